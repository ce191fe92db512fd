// Growable arrays of owned pointers to Basic objects, growing and shrinking in steps of 10
// entries (never doubling). "Not found" is 65535.
#pragma once

#include "foundation/basic.h"

namespace qelvo {

class BasicTableau : public Basic {
public:
    static constexpr int kNotFound = 65535;

    BasicTableau() = default;
    BasicTableau(const BasicTableau&) = delete;
    BasicTableau& operator=(const BasicTableau&) = delete;
    ~BasicTableau() override;

    // Entry i; callers keep 0 <= i < count.
    Basic* At(int i) const { return items[i]; }
    // Puts item at pos, moving pos..count-1 up; the block grows by one delta when full.
    void Insert(Basic* item, int pos);
    void Append(Basic* item) { Insert(item, count); }
    // Removes entry pos and gives it back undeleted; the block shrinks by one delta when
    // count < capacity - delta.
    Basic* Detach(int pos);
    // Detach, then delete the object when owning.
    void Destroy(int pos);
    int Find(const Basic* item) const;
    // Removes n entries from start (n = 0: to the end), deleting them when owning.
    void RemoveRange(int start, int n);
    // Opens n null slots at pos for Put; 0 when refused (n negative or the size out of reach).
    int InsertSpace(int pos, int n);
    void Put(Basic* item, int pos) { items[pos] = item; }
    void SortByText(int start, int n);
    void Sort(int (*compare)(const void*, const void*), int start, int n);
    void SortByValue(int start, int n);
    void SwapWithNext(int i);

    // The count, then each entry's own encoding; the first failing entry stops it.
    int fWrite(FILE* file) override;

    Basic** items = nullptr;
    int32_t delta = 10;
    int32_t capacity = 0;
    int32_t count = 0;
    int32_t owns = 1;

protected:
    // Reads the count and opens that many null slots; 0 when the count cannot be read or the
    // file is too short to hold that many entries.
    int ReadCountAndMakeSpace(FILE* file, int32_t& n);

private:
    bool Resize(int32_t newCapacity);
    bool Range(int& start, int& n) const;
};

// A list of T that reads itself back: one new T per entry, each reading its own encoding.
template <class T> class Tableau : public BasicTableau {
public:
    T* At(int i) const { return static_cast<T*>(BasicTableau::At(i)); }
    T* operator[](int i) const { return At(i); }

    int fRead(FILE* file) override {
        RemoveRange(0, 0);
        int32_t n;
        if (!ReadCountAndMakeSpace(file, n))
            return 0;
        for (int32_t i = 0; i < n; ++i) {
            T* item = new T();
            if (!item->fRead(file)) {
                delete item;
                return 0; // entries from i on stay null
            }
            Put(item, i);
        }
        return 1;
    }
};

// A list of T that is written but never read back.
template <class T> class Ensemble : public BasicTableau {
public:
    T* At(int i) const { return static_cast<T*>(BasicTableau::At(i)); }
    T* operator[](int i) const { return At(i); }
};

} // namespace qelvo

#include "foundation/tableau.h"

#include <cstdlib>
#include <cstring>

namespace qelvo {

namespace {
// Lists in this system hold up to a few thousand entries; far more is a corrupt count.
constexpr int32_t kMaxEntries = 1 << 20;

const char* TextOf(Basic* b) { return b ? static_cast<const char*>(*b) : ""; }
long ValueOf(Basic* b) { return b ? static_cast<long>(*b) : 0; }

// strcmp compares bytes as unsigned characters: case-sensitive, ascending.
int CompareText(const void* a, const void* b) {
    return std::strcmp(TextOf(*static_cast<Basic* const*>(a)),
                       TextOf(*static_cast<Basic* const*>(b)));
}

int CompareValue(const void* a, const void* b) {
    long x = ValueOf(*static_cast<Basic* const*>(a));
    long y = ValueOf(*static_cast<Basic* const*>(b));
    // The sign of the difference, without the overflow of subtracting large values.
    return x < y ? -1 : (x > y ? 1 : 0);
}
} // namespace

BasicTableau::~BasicTableau() { RemoveRange(0, 0); }

bool BasicTableau::Resize(int32_t newCapacity) {
    if (newCapacity == 0) {
        std::free(items);
        items = nullptr;
        capacity = 0;
        return true;
    }
    Basic** block =
        static_cast<Basic**>(std::realloc(items, static_cast<size_t>(newCapacity) * sizeof *items));
    if (!block)
        return false;
    items = block;
    capacity = newCapacity;
    return true;
}

void BasicTableau::Insert(Basic* item, int pos) {
    if (pos < 0 || pos > count)
        return;
    if (count + 1 > capacity && !Resize(capacity + delta))
        return;
    std::memmove(items + pos + 1, items + pos, static_cast<size_t>(count - pos) * sizeof *items);
    items[pos] = item;
    ++count;
}

Basic* BasicTableau::Detach(int pos) {
    if (pos < 0 || pos >= count)
        return nullptr;
    Basic* item = items[pos];
    std::memmove(items + pos, items + pos + 1,
                 static_cast<size_t>(count - pos - 1) * sizeof *items);
    --count;
    if (count < capacity - delta)
        Resize(capacity - delta);
    return item;
}

void BasicTableau::Destroy(int pos) {
    Basic* item = Detach(pos);
    if (owns && item)
        delete item;
}

int BasicTableau::Find(const Basic* item) const {
    for (int i = 0; i < count; ++i)
        if (items[i] == item)
            return i;
    return kNotFound;
}

bool BasicTableau::Range(int& start, int& n) const {
    if (start < 0 || start > count || n < 0)
        return false;
    if (n == 0 || n > count - start)
        n = count - start;
    return true;
}

void BasicTableau::RemoveRange(int start, int n) {
    if (!Range(start, n))
        return;
    if (owns)
        for (int i = start; i < start + n; ++i)
            delete items[i];
    if (n > 0)
        std::memmove(items + start, items + start + n,
                     static_cast<size_t>(count - start - n) * sizeof *items);
    count -= n;
    // An empty list holds no block at all, whatever its capacity was.
    if (count == 0) {
        Resize(0);
        return;
    }
    int32_t target = (count / delta + 1) * delta;
    if (target < capacity)
        Resize(target);
}

int BasicTableau::InsertSpace(int pos, int n) {
    if (n == 0)
        return 1;
    if (n < 0 || pos < 0 || pos > count || n > kMaxEntries - count)
        return 0;
    if (count + n > capacity && !Resize(((count + n) / delta + 1) * delta))
        return 0;
    std::memmove(items + pos + n, items + pos, static_cast<size_t>(count - pos) * sizeof *items);
    for (int i = pos; i < pos + n; ++i)
        items[i] = nullptr;
    count += n;
    return 1;
}

void BasicTableau::Sort(int (*compare)(const void*, const void*), int start, int n) {
    if (count == 0 || !Range(start, n) || n < 2)
        return;
    std::qsort(items + start, static_cast<size_t>(n), sizeof *items, compare);
}

void BasicTableau::SortByText(int start, int n) { Sort(CompareText, start, n); }

void BasicTableau::SortByValue(int start, int n) { Sort(CompareValue, start, n); }

void BasicTableau::SwapWithNext(int i) {
    if (i < 0 || i + 1 >= count)
        return;
    Basic* t = items[i];
    items[i] = items[i + 1];
    items[i + 1] = t;
}

int BasicTableau::fWrite(FILE* file) {
    if (!WriteInt32(file, count))
        return 0;
    for (int i = 0; i < count; ++i)
        if (!items[i] || !items[i]->fWrite(file))
            return 0;
    return 1;
}

int BasicTableau::ReadCountAndMakeSpace(FILE* file, int32_t& n) {
    if (!ReadInt32(file, n) || n < 0)
        return 0;
    // Every entry takes at least one byte: a count the rest of the file cannot hold is corrupt,
    // and is refused before anything is allocated.
    long left = RemainingBytes(file);
    if (left >= 0 && n > left)
        return 0;
    return InsertSpace(0, n);
}

} // namespace qelvo

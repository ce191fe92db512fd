// The ground every IDE interface stands on: the calling convention, 16-byte interface IDs,
// result codes, node and message handles, IUnknown, HostString and the add-on's IUnknownImp.
//
// The IDE's interfaces are COM-style: a table of virtual operations whose order (the slot) is
// the contract. Rules kept by every interface declared in this folder:
// - Slot 0 query, 1 add-ref, 2 release; the interface's own operations follow in slot order.
//   Slots whose operation the add-on never calls are filled by Reserved<n>() placeholders, so
//   the numbers stay right.
// - Every operation uses QELVO_IDECALL (__stdcall on 32-bit Windows, as the IDE calls them);
//   ide_abi_check.cpp proves it on the i686 build.
// - No virtual destructors (a destructor would take slots), no standard-library types.
// - Interface pointers given to an operation are borrowed: whoever keeps one adds a reference.
//   HostString is the exception in one direction: a HostString handed TO the IDE is taken
//   over by it (the add-on makes it with MakeHostString and never releases it; to hand over a
//   string it keeps, it adds a reference first). A HostString handed to an add-on's client is
//   borrowed; a HostString or object returned by an operation belongs to the caller, who
//   releases it.
#pragma once

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define QELVO_IDECALL __stdcall
#else
#define QELVO_IDECALL
#endif

namespace qelvo {
namespace ide {

// Same layout as the system's GUID: 16 bytes, no padding.
struct IdeGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

inline bool IdeGuidEqual(const IdeGuid& a, const IdeGuid& b) {
    if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.data4[i] != b.data4[i]) return false;
    return true;
}

// The IDE's service IDs: 707240xx-4b4b-11cf-9d40-444553540000.
constexpr IdeGuid IdeServiceGuid(uint8_t xx) {
    return IdeGuid{
        0x70724000u | xx, 0x4b4b, 0x11cf, {0x9d, 0x40, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
}

// IDs this project chose where the IDE's are not known: 716c76nn-4944-4500-8a51-7374616e6400.
// The add-on and the stand-in IDE agree on them through this header.
constexpr IdeGuid ChosenGuid(uint8_t n) {
    return IdeGuid{
        0x716c7600u | n, 0x4944, 0x4500, {0x8a, 0x51, 0x73, 0x74, 0x61, 0x6e, 0x64, 0x00}};
}

// Result of queries (HRESULT values): 0 success, 1 "no" for tests, E_NOINTERFACE.
typedef int32_t IdeResult;
constexpr IdeResult kIdeOk = 0;
constexpr IdeResult kIdeFalse = 1;
constexpr IdeResult kIdeNoInterface = -2147467262; // 0x80004002

// 1 for yes/success, 0 for no/failure.
typedef int32_t IdeBool;

// A project node: an opaque 32-bit value, 0 for none.
typedef uint32_t IdeNode;
// A message of the message window: an opaque 32-bit value, 0 for none (top level).
typedef uint32_t IdeMessage;
// An editor view: an opaque 32-bit value, 0 for none.
typedef uint32_t IdeView;

#define QELVO_IDE_RESERVED(slot)                                                                   \
    virtual int32_t QELVO_IDECALL Reserved##slot() {                                               \
        return 0;                                                                                  \
    }

struct IUnknown {
    static constexpr IdeGuid kId = {0x00000000, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};

    virtual IdeResult QELVO_IDECALL QueryInterface(const IdeGuid& id, void** out) = 0; // 0
    virtual uint32_t QELVO_IDECALL AddRef() = 0;                                       // 1
    virtual uint32_t QELVO_IDECALL Release() = 0;                                      // 2

protected:
    ~IUnknown() = default;
};

// A text owned by the IDE's side, handed both ways.
struct HostString : IUnknown {
    static constexpr IdeGuid kId = ChosenGuid(0x02);

    QELVO_IDE_RESERVED(3)
    virtual void QELVO_IDECALL SetText(const char* text) = 0; // 4; null sets the empty text
    QELVO_IDE_RESERVED(5)
    QELVO_IDE_RESERVED(6)
    virtual const char* QELVO_IDECALL GetText() = 0; // 7; valid while the string lives

protected:
    ~HostString() = default;
};

// IUnknown for the add-on's clients: one interface ID, a count from 1, an optional delegate.
// A query for the ID or IUnknown's answers this object with a reference added; any other ID
// goes to the delegate, or fails. The object deletes itself when the count reaches 0. (Its
// destructor is virtual, but it comes after the interface's slots, which it does not disturb.)
template <class I> class IUnknownImp : public I {
public:
    explicit IUnknownImp(const IdeGuid& id = I::kId, IUnknown* delegate = nullptr)
        : id_(id), count_(1), delegate_(delegate) {}
    IUnknownImp(const IUnknownImp&) = delete;
    IUnknownImp& operator=(const IUnknownImp&) = delete;

    IdeResult QELVO_IDECALL QueryInterface(const IdeGuid& id, void** out) override {
        if (!out) return kIdeNoInterface;
        if (IdeGuidEqual(id, id_) || IdeGuidEqual(id, IUnknown::kId)) {
            *out = static_cast<I*>(this);
            AddRef();
            return kIdeOk;
        }
        if (delegate_) return delegate_->QueryInterface(id, out);
        *out = nullptr;
        return kIdeNoInterface;
    }
    uint32_t QELVO_IDECALL AddRef() override { return ++count_; }
    uint32_t QELVO_IDECALL Release() override {
        uint32_t left = --count_;
        if (left == 0) delete this;
        return left;
    }
    uint32_t RefCount() const { return count_; }

protected:
    virtual ~IUnknownImp() = default;

private:
    IdeGuid id_;
    uint32_t count_;
    IUnknown* delegate_;
};

} // namespace ide
} // namespace qelvo

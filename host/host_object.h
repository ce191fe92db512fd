// IUnknown for the stand-in IDE's own objects. Objects made for a caller (strings, readers,
// node information, tools, message groups) count from 1 and delete themselves at 0; each kind
// keeps a count of live objects, so tests can see that everything handed out came back.
// Services live as long as the IDE: their count starts at 1 (the IDE's own reference) and is
// readable, but they are never deleted through it.
#pragma once

#include "ide/ide_base.h"

namespace qelvo {
namespace host {

enum class ObjectKind { String, FileReader, NodeInfo, Tool, MessageGroup, Count };

int LiveObjects(ObjectKind kind);
void NoteObjectMade(ObjectKind kind);
void NoteObjectGone(ObjectKind kind);

template <class I> bool AnswersQuery(const ide::IdeGuid& id) {
    return ide::IdeGuidEqual(id, I::kId) || ide::IdeGuidEqual(id, ide::IUnknown::kId);
}

template <class I, ObjectKind Kind> class CountedObject : public I {
public:
    CountedObject() { NoteObjectMade(Kind); }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;

    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid& id, void** out) override {
        if (!out) return ide::kIdeNoInterface;
        if (!AnswersQuery<I>(id)) {
            *out = nullptr;
            return ide::kIdeNoInterface;
        }
        *out = static_cast<I*>(this);
        AddRef();
        return ide::kIdeOk;
    }
    uint32_t QELVO_IDECALL AddRef() override { return ++count_; }
    uint32_t QELVO_IDECALL Release() override {
        uint32_t left = --count_;
        if (left == 0) delete this;
        return left;
    }
    uint32_t RefCount() const { return count_; }

protected:
    virtual ~CountedObject() { NoteObjectGone(Kind); }

private:
    uint32_t count_ = 1;
};

template <class I> class ServiceObject : public I {
public:
    ServiceObject() = default;
    ServiceObject(const ServiceObject&) = delete;
    ServiceObject& operator=(const ServiceObject&) = delete;

    ide::IdeResult QELVO_IDECALL QueryInterface(const ide::IdeGuid& id, void** out) override {
        if (!out) return ide::kIdeNoInterface;
        if (!AnswersQuery<I>(id)) {
            *out = nullptr;
            return ide::kIdeNoInterface;
        }
        *out = static_cast<I*>(this);
        AddRef();
        return ide::kIdeOk;
    }
    uint32_t QELVO_IDECALL AddRef() override { return ++count_; }
    // A release below the IDE's own reference is a fault of the caller: the count stays at 1
    // and the fault is counted.
    uint32_t QELVO_IDECALL Release() override {
        if (count_ > 1)
            --count_;
        else
            ++overReleases_;
        return count_;
    }
    // 1 when nobody but the IDE holds the service.
    uint32_t RefCount() const { return count_; }
    uint32_t OverReleases() const { return overReleases_; }

protected:
    ~ServiceObject() = default;

private:
    uint32_t count_ = 1;
    uint32_t overReleases_ = 0;
};

} // namespace host
} // namespace qelvo

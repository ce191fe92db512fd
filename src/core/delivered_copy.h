// Copying one delivered file with its progress, and the progress bar's geometry: shared by the
// project delivery and the groupware transfers.
#pragma once

#include "foundation/qstring.h"
#include "foundation/text_utils.h"

#include <cstdint>
#include <cstdio>

namespace qelvo {

// A copy moves at most this many bytes at a time.
constexpr unsigned kCopyChunk = 16380;

// The bar: left 0, top 0, the window's client width less 90 pixels (never below 0), its
// client height.
struct ProgressBar {
    int left = 0, top = 0, width = 0, height = 0;
};
ProgressBar ProgressBarFor(int clientWidth, int clientHeight);
// The painted width of the done part: done x (width - 1) / total, truncated; 0 when the total
// is 0 (nothing to measure: an empty bar) and never beyond the bar.
int FilledWidth(uint64_t done, uint64_t total, int barWidth);
// Where a label of this size is drawn: centred in the whole bar, halves rounded toward zero.
void LabelOrigin(const ProgressBar& bar, int labelWidth, int labelHeight, int& x, int& y);

// What a copy tells its caller.
class CopyObserver {
public:
    // Paints the progress: bytes done so far of the total and the label (the source's file-name part).
    virtual void Progress(uint64_t done, uint64_t total, const char* label) = 0;
    // A message under the current delivery folder: kind 0 an error, 5 a delivered file.
    virtual void FileMessage(const char* text, int kind) = 0;
    // Shows a failure titled "Qelvo Addon error" (stop icon, no owner).
    virtual void CopyError(const char* text) = 0;

protected:
    ~CopyObserver() = default;
};

// The file operations a copy uses; tests put failing ones in place.
struct CopyFileLayer {
    size_t (*read)(void* buffer, size_t n, FILE* file);
    size_t (*write)(const void* buffer, size_t n, FILE* file);
    FILE* (*createNew)(const char* path); // binary, must not exist yet
};
// Installs a layer (null: the real one) and answers the previous one.
const CopyFileLayer* SetCopyFileLayer(const CopyFileLayer* layer);

// Copies size bytes of source to destination and gives it the source's DOS date and time; the
// bytes go to a new file beside the destination, which replaces the destination only once it
// is complete, so a failed copy leaves the old destination (or none) and never a part of a
// file; the source is only read. Adds size to done either way. Messages go to the observer,
// or, with a report, are appended to it with "\r\n" (errors are shown in both cases).
// 0 on success, 1 on failure.
int CopyDeliveredFile(const char* source, const char* destination, CopyObserver& observer,
                      uint64_t& done, uint64_t total, uint64_t size, String* report);

} // namespace qelvo

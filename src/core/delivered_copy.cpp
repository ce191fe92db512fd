#include "core/delivered_copy.h"

#include "platform/platform.h"

#include <cstring>
#include <memory>
#include <string>

namespace qelvo {

ProgressBar ProgressBarFor(int clientWidth, int clientHeight) {
    ProgressBar bar;
    bar.width = clientWidth > 90 ? clientWidth - 90 : 0;
    bar.height = clientHeight > 0 ? clientHeight : 0;
    return bar;
}

int FilledWidth(uint64_t done, uint64_t total, int barWidth) {
    if (total == 0 || barWidth <= 1)
        return 0;
    if (done > total)
        done = total;
    return static_cast<int>(static_cast<double>(done) * (barWidth - 1) / static_cast<double>(total));
}

void LabelOrigin(const ProgressBar& bar, int labelWidth, int labelHeight, int& x, int& y) {
    x = bar.left + bar.width / 2 - labelWidth / 2;
    y = bar.top + bar.height / 2 - labelHeight / 2;
}

namespace {

size_t RealRead(void* buffer, size_t n, FILE* file) { return std::fread(buffer, 1, n, file); }
size_t RealWrite(const void* buffer, size_t n, FILE* file) { return std::fwrite(buffer, 1, n, file); }
FILE* RealCreate(const char* path) { return platform::OpenNewFile(path, false); }

const CopyFileLayer kRealLayer = {RealRead, RealWrite, RealCreate};
const CopyFileLayer* Layer = &kRealLayer;

struct FileCloser {
    void operator()(FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

// A new file beside the destination; its name in work.
File CreateWorkFile(const char* destination, std::string& work) {
    for (int n = 0; n < 100; ++n) {
        work = std::string(destination) + ".~q" + std::to_string(n);
        if (FILE* f = Layer->createNew(work.c_str()))
            return File(f);
        if (!platform::GetFileStatus(work.c_str()).exists)
            break; // not a name taken: the directory refuses
    }
    work.clear();
    return File();
}

void Report(const std::string& text, int kind, CopyObserver& observer, String* report) {
    if (report) {
        *report += text.c_str();
        *report += "\r\n";
    } else {
        observer.FileMessage(text.c_str(), kind);
    }
}

} // namespace

const CopyFileLayer* SetCopyFileLayer(const CopyFileLayer* layer) {
    const CopyFileLayer* previous = Layer;
    Layer = layer ? layer : &kRealLayer;
    return previous;
}

int CopyDeliveredFile(const char* source, const char* destination, CopyObserver& observer,
                      uint64_t& done, uint64_t total, uint64_t size, String* report) {
    const char* label = FileNamePart(source);
    observer.Progress(done, total, label);
    std::string work;
    auto fail = [&](const std::string& text) {
        Report(text, 0, observer, report);
        observer.CopyError(text.c_str());
        done += size;
        return 1;
    };

    File in(platform::OpenFile(source, "rb"));
    if (!in)
        return fail(std::string("Error in opening file ") + source);
    uint16_t dosDate = 0, dosTime = 0;
    const bool dated = platform::GetFileDosTime(source, dosDate, dosTime);
    File out = CreateWorkFile(destination, work);
    if (!out)
        return fail(std::string("Error in creating file ") + destination);

    // Each chunk goes straight to the system: no second copy through the C library's buffers.
    std::setvbuf(in.get(), nullptr, _IONBF, 0);
    std::setvbuf(out.get(), nullptr, _IONBF, 0);
    char buffer[kCopyChunk];
    uint64_t copied = 0;
    while (copied < size) {
        const size_t chunk = static_cast<size_t>(size - copied < kCopyChunk ? size - copied : kCopyChunk);
        if (Layer->read(buffer, chunk, in.get()) != chunk) {
            out.reset();
            platform::RemoveFile(work.c_str());
            return fail(std::string("Error in reading file ") + source);
        }
        if (Layer->write(buffer, chunk, out.get()) != chunk) {
            out.reset();
            platform::RemoveFile(work.c_str());
            return fail(std::string("Error in writing file ") + destination);
        }
        copied += chunk;
        observer.Progress(done + copied, total, label);
    }
    in.reset();
    // Buffered bytes that cannot be written (a full disk) show only when the file closes.
    const bool flushed = std::fflush(out.get()) == 0;
    const bool closed = std::fclose(out.release()) == 0;
    if (!flushed || !closed) {
        platform::RemoveFile(work.c_str());
        return fail(std::string("Error in writing file ") + destination);
    }
    if (dated)
        platform::SetFileDosTime(work.c_str(), dosDate, dosTime);
    if (!platform::MoveReplacing(work.c_str(), destination)) {
        platform::RemoveFile(work.c_str());
        return fail(std::string("Error in creating file ") + destination);
    }
    done += copied;
    Report(std::string(source) + " delivered", 5, observer, report);
    return 0;
}

} // namespace qelvo

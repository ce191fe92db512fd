// Project files of the stand-in IDE are read from disk: any bytes must be read or refused with
// a message, never crash; what is read must write back to a text that reads the same.
#include "project_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::unique_ptr<qelvo::host::Project> project =
        qelvo::host::ParseProject("C:\\FUZZ\\P.IDE", text, error);
    if (!project) {
        if (error.compare(0, 23, "Project file C:\\FUZZ\\P.") != 0) std::abort();
        return 0;
    }
    std::string written = qelvo::host::FormatProject(*project);
    std::unique_ptr<qelvo::host::Project> again =
        qelvo::host::ParseProject("C:\\FUZZ\\P.IDE", written, error);
    if (!again || qelvo::host::FormatProject(*again) != written) std::abort();
    return 0;
}

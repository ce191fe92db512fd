// The installer's start: the check of its own resources, the search of the IDE directory, then
// the installation dialog, shown again after a failed run.
#include "install_dialog.h"
#include "platform/platform.h"
#include "setup/ide_search.h"
#include "setup/integrity.h"
#include "setup/setup_paths.h"
#include "setup/setup_texts.h"
#include "setup_sums.h"
#include "win_search.h"

#include <windows.h>

namespace {

using namespace qelvo::setup;

class OwnResources : public ResourceReader {
public:
    explicit OwnResources(HINSTANCE instance) : instance_(instance) {}
    bool Read(const char* name, int type, const unsigned char*& data, size_t& size) override {
        HRSRC found = ::FindResourceA(instance_, name, MAKEINTRESOURCEA(type));
        if (!found) return false;
        HGLOBAL loaded = ::LoadResource(instance_, found);
        if (!loaded) return false;
        const void* locked = ::LockResource(loaded);
        if (!locked) return false;
        data = static_cast<const unsigned char*>(locked);
        size = ::SizeofResource(instance_, found);
        return true;
    }

private:
    HINSTANCE instance_;
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OwnResources resources(instance);
    if (!CheckIntegrity(resources, kResourceSums, sizeof kResourceSums / sizeof kResourceSums[0])) {
        qelvo::platform::ShowMessage("Setup program is corrupted !\nPlease get a correct version !",
                                     kTitle, qelvo::platform::kMbOk | qelvo::platform::kMbIconStop);
        return 1;
    }

    Session session;
    session.instance = instance;
    WinSearchFileSystem fileSystem;
    std::string ide;
    if (!FindIdeDirectory(fileSystem, ide)) ide = kDefaultIdeDirectory;
    CopyBounded(session.ideDirectory, sizeof session.ideDirectory, ide);
    CopyBounded(session.addonDirectory, sizeof session.addonDirectory,
                DeriveAddonDirectory(session.ideDirectory));

    for (;;) {
        InstallDialog dialog(session);
        if (!dialog.Show()) break;
    }
    return 0;
}

#include "setup/install/Directories.h"

#include <cerrno>
#include <cstring>

#include "setup/install/TransferBuffer.h"

namespace orbsetup {

namespace {

std::string Reason(const char* what, int error) {
    return std::string(what) + " (" + std::strerror(error) + ")";
}

}  // namespace

void MakeDirectory(const std::string& path, platform::Spelling spelling) {
    int error = 0;
    if (platform::CreateDirectory(path, &error, spelling)) {
        const std::string host =
            spelling == platform::Spelling::kExact ? path : platform::ResolvePath(path);
        const std::size_t slash = host.rfind('/');
        const std::string parent =
            slash == std::string::npos ? "." : (slash == 0 ? "/" : host.substr(0, slash));
        if (!platform::SyncDirectory(parent, &error)) {
            Refuse(host, Reason("cannot flush the new directory to disk", error));
        }
    } else if (error != EEXIST) {
        Refuse(path, Reason("cannot create the directory", error));
    }
}

void MakeDirectoryWithParents(const std::string& hostPath) {
    for (std::size_t slash = hostPath.find('/', 1); slash != std::string::npos;
         slash = hostPath.find('/', slash + 1)) {
        MakeDirectory(hostPath.substr(0, slash), platform::Spelling::kExact);
    }
    MakeDirectory(hostPath, platform::Spelling::kExact);
}

}  // namespace orbsetup

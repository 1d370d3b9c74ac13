#include "settings/settings_store.h"

#include "reports/host_hooks.h"
#include "resources/string_ids.h"

namespace {

// Not the release number (VERSION): every release reads the colours that an
// earlier one saved here.
constexpr const char* kRegistryRoot = "Software\\Quillfen\\Skyloom 2\\2.02\\";
constexpr std::size_t kRegistryPathMax = 1024;

} // namespace

std::string RegistrySettingPath(const char* name) {
    std::string path = kRegistryRoot;
    path += name;
    if (path.empty() || path.size() > kRegistryPathMax) {
        FatalError(IDS_REGISTRY_ERROR, "REGISTRY", __LINE__);
    }
    return path;
}

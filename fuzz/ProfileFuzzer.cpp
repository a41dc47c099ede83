// libFuzzer target: any bytes as the profile file (see ProfileCheck.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ProfileCheck.h"

namespace {

const std::filesystem::path& workDir()
{
    static const std::filesystem::path dir = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "quintel-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string fault = profile_check::checkProfileBytes(bytes, workDir());
    if (!fault.empty()) {
        std::fprintf(stderr, "profile check failed: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

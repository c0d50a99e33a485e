#include "simhost/render/PictureFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace simhost::render {
namespace {

namespace fs = std::filesystem;

// Why writing failed, or nothing.
std::string writeWhole(const fs::path& file, const std::string& bytes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
    }
    if (!out.fail()) return std::string();
    return errno ? std::generic_category().message(errno) : "the file system refused it";
}

}  // namespace

bool PictureFile::write(const std::string& path, const std::string& bytes, std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (path.empty()) return fail("no file name given");
    fs::path target = fs::u8path(path);
    fs::path folder = target.parent_path();
    std::error_code failed;
    if (!folder.empty() && !fs::is_directory(folder, failed)) {
        return fail("the folder " + folder.u8string() + " does not exist");
    }
    if (fs::is_directory(target, failed)) return fail("a folder of that name is in the way");
    fs::path temporary = target;
    temporary += ".writing";
    std::string why = writeWhole(temporary, bytes);
    if (why.empty()) {
        fs::rename(temporary, target, failed);
        if (!failed) return true;
        why = failed.message();
    }
    fs::remove(temporary, failed);
    return fail(why);
}

}  // namespace simhost::render

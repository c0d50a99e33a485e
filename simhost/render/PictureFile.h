// Writes a picture's bytes to its file through the installed system port (the files the
// add-on sees): beside the file first, then swapped into its place, so that a failed
// write leaves no half picture and an older file whole.
#pragma once

#include <string>

namespace simhost::render {

class PictureFile {
public:
    // False, with *error saying why, when the file could not be written ("the folder
    // /x does not exist", no right to write there, the disk full, ...).
    static bool write(const std::string& path, const std::string& bytes, std::string* error);
};

}  // namespace simhost::render

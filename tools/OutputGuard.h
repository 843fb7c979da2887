// OutputGuard: what hxwt writes never replaces what it reads, and no write
// goes unchecked.
//
// Every subcommand notes its input files (noteInput) before it reads them.
// An output is refused when it is one of them: the same file by identity
// (device and inode, so another spelling of the path, a symbolic link or a
// hard link is caught) or, for a file that does not exist yet, the same
// normalised path. Files are written under a temporary name in the same
// directory and renamed over the output only when every write succeeded; a
// failed or abandoned write leaves the output as it was and removes the
// temporary; an output that is a symbolic link replaces the file it names.
// An output that exists and is neither a regular file nor a
// directory (a device such as /dev/stdout, a pipe) is written in place. Standard output is checked
// once at the end of the run (finishStandardOutput).
#pragma once

#include <functional>
#include <string>

namespace hxwt {

// Records path as an input of this run.
void noteInput(const std::string& path);

// Empty when path may be written; else why not, naming both files
// ("out.svg is the input drawing g.dxf (same file)"), or "OUT is a directory".
std::string outputRefusal(const std::string& path);

// An output file written through a temporary file. The owner writes the
// temporary (by path, for writers that take one) and calls commit; the
// destructor removes a temporary that was not committed.
class OutputFile {
public:
    explicit OutputFile(std::string path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& path() const { return m_path; }
    const std::string& tempPath() const { return m_temp; }
    // A device or pipe, written in place: tempPath() is the output itself.
    bool direct() const { return m_direct; }

    // Writes text to the temporary; false with the reason in *error.
    bool write(const std::string& text, std::string* error);
    // Refuses an input (outputRefusal), then renames the temporary over the
    // output. False with the reason in *error ("OUT: No space left on device").
    bool commit(std::string* error);

private:
    std::string m_path;
    std::string m_temp;
    std::string m_target; // what the temporary replaces: the path, or the file its link names
    bool m_committed = false;
    bool m_direct = false; // a device or pipe, written in place
};

// Writes text to path through an OutputFile; false with the reason in *error.
bool writeOutputFile(const std::string& path, const std::string& text, std::string* error);

// A library's save: writes a whole file at the path it is given; false with
// the reason in *error.
using FileWriter = std::function<bool(const std::string& file, std::string* error)>;

// Writes path through writer, for outputs that a library saves itself (a
// drawing, a Word package). The writer gets the temporary beside the output,
// renamed over it only when the writer succeeded. For a device or pipe it
// gets a private file of the temporary directory whose bytes are then copied
// in, so that no library ever renames a file over a device. Refuses an input
// (outputRefusal). False with the reason in *error.
bool writeOutputWith(const std::string& path, const FileWriter& writer, std::string* error);

// Flushes standard output; false with the reason in *error when any write to
// it failed (a full disk, /dev/full, a closed pipe).
bool finishStandardOutput(std::string* error);

} // namespace hxwt

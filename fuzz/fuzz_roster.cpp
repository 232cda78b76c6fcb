// libFuzzer target: the whole roster import, from the name file on disk to
// the roster, takes any bytes without crashing; every name it puts into the
// roster is one a roster can hold (not empty, no ";", no control character)
// and the roster never grows past 40 students.

#include "core/GradeBook.h"
#include "file/RosterImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// The name file every run writes; removed when the fuzzer ends.
const std::string& scratchFile()
{
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        std::string made = std::string(folder && *folder ? folder : "/tmp") + "/miravel-fuzz-roster-" +
                           std::to_string(::getpid()) + ".csv";
        return made;
    }();
    return path;
}

void removeScratchFile() { std::remove(scratchFile().c_str()); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    static const bool cleanedUpAtExit = std::atexit(removeScratchFile) == 0;
    (void)cleanedUpAtExit;
    const std::string& path = scratchFile();
    static auto book = std::make_unique<GradeBook>();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    if (ReadRosterFile(path, names))
        return 0;
    const RosterImportResult result = ImportRoster(*book, names);
    if (result.imported > kStudents || book->StudentCount != result.imported ||
        result.leftOut != names.size() - static_cast<std::size_t>(result.imported))
        std::abort();
    for (int i = 0; i < result.imported; ++i) {
        const std::string& name = book->StudentNames[i];
        if (name.empty() || name.find(';') != std::string::npos)
            std::abort();
        for (char c : name)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                std::abort();
    }
    return 0;
}

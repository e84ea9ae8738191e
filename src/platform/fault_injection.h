// Faults that tests switch on. A real disk cannot be made to fail a flush, nor a source file to
// change in the middle of a copy, at a chosen moment; these seams can. Nothing sets them outside
// the tests, and with none set the file operations run their plain system calls.
#pragma once

#include <functional>
#include <string>

namespace kadoro {

enum class FlushTarget {
    File,        // one copy's data (fsync of the file)
    Folder,      // a folder's entries (fsync of the folder)
    FileSystem,  // everything written to the destination's file system (syncfs)
};

struct FaultInjection {
    // Called after each piece of a copy has been written, with the source's path.
    std::function<void(const std::string& sourcePath)> afterCopyPiece;
    // The errno value that a flush of the target fails with; 0 lets it run.
    std::function<int(FlushTarget)> flushError;
};

// Installs faults for its lifetime. Set it before a run starts and drop it after the run ended:
// the copy threads read it without a lock.
class ScopedFaultInjection {
public:
    explicit ScopedFaultInjection(FaultInjection faults);
    ~ScopedFaultInjection();
    ScopedFaultInjection(const ScopedFaultInjection&) = delete;
    ScopedFaultInjection& operator=(const ScopedFaultInjection&) = delete;
};

const FaultInjection& ActiveFaults();

}  // namespace kadoro

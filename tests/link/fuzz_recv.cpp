// libFuzzer target: any bytes as a received datagram, through the checks, deciphering and every reader.
#include "link/fuzz_recv_path.h"

#include "app/debug.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {
// The log switched on (so every log line is formatted) but written nowhere.
class CNullLog final : public CDebug {
public:
    explicit CNullLog(const std::string& program) : CDebug(program) {}
    void WriteLine(const std::string&) override {}
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/swpfuzz-XXXXXX";
    if (!mkdtemp(folder)) return 0;
    const std::string program = std::string(folder) + "/fuzz";
    std::ofstream(program + ".Log").flush();
    static CNullLog log(program);
    RedirectLog(&log);
    std::remove((program + ".Log").c_str());
    rmdir(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzpath::RunDatagram(data, size);
    return 0;
}

// Writes the golden vectors as whole received datagrams (payloads enciphered with "pylon" except discovery
// answers) into a folder: the seed corpus of the received-datagram fuzz target.
#include "link/golden_datagram.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {
void Write(const std::string& folder, int n, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(folder + "/golden-" + std::to_string(n), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const golden::TVector* payloads[] = {
        &golden::DiscoverAnswerEmptyName,
        &golden::LoginAccepted,
        &golden::LoginRefused,
        &golden::LoginNoResult,
        &golden::SetAccepted,
        &golden::ModeAnswerBridge,
        &golden::ConfigAnswer,
        &golden::StationConfigAnswer,
        &golden::EventWpsTwoStatuses,
        &golden::EventConnectTimeout,
        &golden::EventNegativeStatus,
        &golden::SurveyTwoEntries,
        &golden::SurveyOneEntryAndTail,
        &golden::OverrunningItem,
        &golden::StrayTrailingByte,
    };
    const golden::TVector* datagrams[] = {
        &golden::DiscoverAnswerDatagram,   &golden::LoginAcceptedPylonDatagram, &golden::ShortDatagram,
        &golden::HeaderOnlyDatagram,       &golden::BadMagicDatagram,           &golden::BadVersionDatagram,
        &golden::WrongTotalLengthDatagram,
    };
    int n = 0;
    for (const auto* v : payloads)
        Write(folder, n++, golden::Datagram(*v));
    for (const auto* v : datagrams)
        Write(folder, n++, golden::Bytes(v->Hex));
    return 0;
}

// The update server's information file as any server may answer: whatever it holds, a version is
// offered only when the file is signed and its number is a valid one greater than the known one,
// and the numbers read are the ones written.
#include "browser/app/main/core/UpdateDecisions.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

using testsupport::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::fuzz::Reader input(testsupport::fuzz::Text(data, size));
    const std::string_view known = input.Text('\n');
    const std::string_view file = input.Rest();

    if (const auto value = cobwen::VersionValue(known))
        Check(cobwen::VersionValue(std::to_string(*value)) == value);
    const std::string compared = cobwen::KnownVersion(std::string(known), "2162");
    const cobwen::UpdateInfoDecision decision = cobwen::DecideOnUpdateInfo(file, compared);
    if (decision.Verdict == cobwen::UpdateVerdict::Offer) {
        Check(file.rfind(cobwen::UpdateInfoSignature, 0) == 0);
        const auto published = cobwen::VersionValue(decision.Info.Version);
        const auto current = cobwen::VersionValue(compared);
        Check(published && current && *published > *current);
    }
    return 0;
}

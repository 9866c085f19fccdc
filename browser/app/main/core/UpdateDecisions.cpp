#include "browser/app/main/core/UpdateDecisions.h"

#include <charconv>

namespace cobwen {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The next line of `text` from `position` without its end, empty once the text is used up.
std::string NextLine(std::string_view text, std::size_t& position) {
    if (position >= text.size())
        return {};
    const std::size_t end = text.find('\n', position);
    std::string_view line = text.substr(
        position, end == std::string_view::npos ? std::string_view::npos : end - position);
    position = end == std::string_view::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return std::string(line);
}

} // namespace

std::string UpdateInfoUrl(std::string_view host) {
    return "http://" + std::string(host) + UpdateInfoPath;
}

std::string UpdateArchiveUrl(std::string_view host) {
    return "http://" + std::string(host) + UpdateArchivePath;
}

bool ShouldCheckForUpdate(const UpdateCheckOccasion& occasion) {
    if (occasion.Manual)
        return true;
    if (!occasion.CheckForUpdates)
        return false;
    if (!occasion.AfterTransfer && occasion.SystemProxy)
        return false;
    // In 64 bits: a stored day number far in the past or future cannot wrap the difference.
    const std::int64_t days =
        static_cast<std::int64_t>(occasion.Today) - static_cast<std::int64_t>(occasion.LastUpdate);
    return days > occasion.Period;
}

std::optional<std::int32_t> VersionValue(std::string_view text) {
    if (!AllDigits(text))
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string KnownVersion(const std::optional<std::string>& lastVersion,
                         std::string_view versionNumber) {
    if (lastVersion && AllDigits(*lastVersion))
        return *lastVersion;
    return std::string(versionNumber);
}

UpdateInfoDecision DecideOnUpdateInfo(std::string_view fileText, std::string_view knownVersion) {
    UpdateInfoDecision decision;
    std::size_t position = 0;
    const std::string signature = NextLine(fileText, position);
    decision.Info.Version = NextLine(fileText, position);
    decision.Info.ShownVersion = NextLine(fileText, position);
    decision.Info.ReleaseDate = NextLine(fileText, position);
    if (signature != UpdateInfoSignature)
        return decision;
    const std::optional<std::int32_t> published = VersionValue(decision.Info.Version);
    const std::optional<std::int32_t> known = VersionValue(knownVersion);
    if (!published || !known)
        return decision;
    decision.Verdict = *known < *published ? UpdateVerdict::Offer : UpdateVerdict::NoNewer;
    return decision;
}

} // namespace cobwen

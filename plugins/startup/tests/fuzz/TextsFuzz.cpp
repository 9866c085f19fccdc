// The stored forms of startup entries as another program may have left them: registry texts of any
// type and length, comma lists, multi-strings, pending renames and win.ini lines. A list written
// from what was read reads back as the same list, a row name keeps its limit, and a Run value
// written for a program and its arguments gives them back.
#include "plugins/startup/core/CommandText.h"
#include "plugins/startup/core/EntryNames.h"
#include "plugins/startup/core/ValueLists.h"
#include "plugins/startup/ulvarplus/TextFunctions.h"
#include "tools/testsupport/FuzzInput.h"

#include <cstdlib>

using testsupport::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testsupport::fuzz::Reader input(testsupport::fuzz::Text(data, size));
    const std::uint8_t type = input.Byte();
    const std::string_view bytes = input.Rest();
    const auto exists = [&bytes](const std::string& path) {
        return !path.empty() && path.size() == bytes.size() / 2;
    };

    const std::string text = launchet::ValueText(type % 8, bytes);
    const auto elements = launchet::SplitValueList(text);
    Check(launchet::SplitValueList(launchet::JoinValueList(elements)) == elements);
    launchet::SplitMultiString(bytes);
    launchet::SplitRenamePairs(bytes);

    const auto tokens = launchet::TokenizeIniLine(text);
    Check(launchet::TokenizeIniLine(launchet::JoinIniTokens(tokens)) == tokens);
    for (const std::string& token : tokens)
        Check(launchet::RowName(launchet::SplitIniToken(token)).size() <= launchet::RowNameLength);

    const launchet::Command command = launchet::SplitRegistryCommand(text, exists);
    Check(launchet::RowName(command).size() <= launchet::RowNameLength);

    // A program without quotes or blanks at its ends, as the add dialog takes one.
    const auto parts = testsupport::fuzz::Parts(text, '\t', 2);
    const std::string_view path = parts[0];
    if (!path.empty() && path.find('"') == std::string_view::npos && path.front() != ' ' &&
        path.back() != ' ' && parts[1].find('"') == std::string_view::npos) {
        const auto none = [](const std::string&) {
            return false;
        };
        const launchet::Command back =
            launchet::SplitRegistryCommand(launchet::RunValueData(path, parts[1]), none);
        Check(back.program == path && back.arguments == ulvarplus::Trim(parts[1]));
    }

    launchet::DefaultEntryName(text);
    launchet::IsValidEntryName(text);
    return 0;
}

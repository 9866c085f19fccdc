#include "browser/app/settings/tests/core/SettingsSamples.h"

#include "browser/catalogue/core/Cp1251.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace cobwen::test {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

ListColours SampleColourDefaults() {
    return {0x00F2F2F2, 0x00F2FFFF, 0x00D8FFFF, 0x00D8D8D8};
}

BrowserSettings WindowBeforeLoading() {
    BrowserSettings settings;
    settings.View.FontList = DesignedListFont();
    settings.View.FontPreview = DesignedPreviewFont();
    settings.Window.ListAreaHeight = 484;
    return settings;
}

BrowserSettings FreshStoreSettings(bool saveToIni) {
    BrowserSettings settings = WindowBeforeLoading();
    settings.Settings.SaveToINI = saveToIni;
    const ListColours colours = SampleColourDefaults();
    settings.View.ColorList = colours.List;
    settings.View.ColorOdd = colours.Odd;
    settings.View.ColorNew = colours.New;
    settings.View.ColorDownloaded = colours.Downloaded;
    return settings;
}

BrowserSettings EveryValueChanged(bool saveToIni) {
    BrowserSettings all = WindowBeforeLoading();
    TCobwenSettings& s = all.Settings;
    s.FindIn = 5;
    s.SaveToINI = saveToIni;
    s.SaveDirectoryStructure = true;
    s.CheckUpdatedPlugins = true;
    s.CreateDescriptIon = false;
    s.CreateTextDescriptFile = true;
    s.OverwriteFiles = false;
    s.ShowAddInfo = false;
    s.MinimizeToTray = true;
    s.CopyAllSelectedToClipboard = true;
    s.CheckForUpdates = true;
    s.MaxDownloadCount = 4;
    s.PeriodCheckForUpdates = 7;
    s.Proxy.ProxyAccess = ProxyAccessMode::Given;
    s.Proxy.ProxyHost = "proxy.local:3128";
    s.Proxy.ProxyUserName = Cp("Пользователь");
    // Scrambled, "я" becomes CR, "ф" NUL, "ь" LF and "х" the byte 0x01.
    s.Proxy.ProxyPassword = Cp("aяbcфdь eхf");
    s.Proxy.ProxyAuthRequired = true;
    s.DownloadFolder = Cp("C:\\Загрузки\\Плагины\\");
    s.AddInfoFormat = Cp("%Description\r\nАвтор: %Author");
    s.CopyPluginInfoFormat = "%Name\r\n%URL\r\n";
    s.StatusInfoFormat = " %Size ";
    s.DescriptIonFormat = "\"%Name (%Category)\"";

    all.View.FontList = {"Courier New", RussianCharset, 0x00112233, 10, FontBold | FontUnderline};
    all.View.FontPreview = {"Arial", 0, SystemColourFlag | 5, 9, FontItalic | FontStrikeOut};
    all.View.ColorList = 0x00010203;
    all.View.ColorOdd = 0x00040506;
    all.View.ColorNew = 0x00070809;
    all.View.ColorDownloaded = SystemColourFlag | 15;
    all.View.StripedRow = true;

    FilterSettings& f = all.Window.Filters;
    f.UseCategory = f.UseAuthor = f.UseRelease = f.UseName = f.HasSources = f.UseUlvarVersion =
        f.UseWindowsVersion = true;
    f.Category = 1;
    f.Author = 2;
    f.Date = 3;
    f.SrcLang = 4;
    f.UlvarVersion = 5;
    f.WindowsVersion = 6;
    f.Name = Cp("Тест");
    f.SetOffOther = true;
    all.Window.State = MainWindowState::Minimized;
    all.Window.Placement = {10, 20, 800, 600};
    all.Window.BasketHeight = 200;

    for (const std::int32_t id : {12, 0, 7, -3, 2147483647})
        all.BasketIds.Add(id);
    all.LastListSize = 345678;
    all.ListLayout = std::string("cols\0\x01\xFF\r\n", 9);
    all.BasketLayout = "basket";
    return all;
}

BrowserSettings AfterRoundTrip(BrowserSettings saved) {
    const BrowserSettings defaults;
    saved.DescriptionFile = defaults.DescriptionFile;
    saved.UseOtherCopy = defaults.UseOtherCopy;
    if (saved.Settings.SaveToINI) {
        saved.ListLayout.reset();
        saved.BasketLayout.reset();
    }
    return saved;
}

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Quoted(const std::optional<std::string>& text) {
    return text ? Quoted(*text) : "(none)";
}

void DescribeFont(std::ostream& out, const char* name, const FontSettings& font) {
    out << name << ".Name=" << Quoted(font.Name) << "\n"
        << name << ".Charset=" << font.Charset << "\n"
        << name << ".Color=" << font.Color << "\n"
        << name << ".Size=" << font.Size << "\n"
        << name << ".Style=" << int{font.Style} << "\n";
}

} // namespace

std::string Describe(const BrowserSettings& all) {
    std::ostringstream out;
    const TCobwenSettings& s = all.Settings;
    out << "Language=" << int{s.Language} << "\nFindIn=" << int{s.FindIn}
        << "\nSaveToINI=" << s.SaveToINI << "\nSaveDirectoryStructure=" << s.SaveDirectoryStructure
        << "\nCheckUpdatedPlugins=" << s.CheckUpdatedPlugins
        << "\nCreateDescriptIon=" << s.CreateDescriptIon
        << "\nCreateTextDescriptFile=" << s.CreateTextDescriptFile
        << "\nOverwriteFiles=" << s.OverwriteFiles << "\nShowAddInfo=" << s.ShowAddInfo
        << "\nUseDownloadBasket=" << s.UseDownloadBasket << "\nMinimizeToTray=" << s.MinimizeToTray
        << "\nCopyAllSelectedToClipboard=" << s.CopyAllSelectedToClipboard
        << "\nCheckForUpdates=" << s.CheckForUpdates << "\nMaxDownloadCount=" << s.MaxDownloadCount
        << "\nPeriodCheckForUpdates=" << s.PeriodCheckForUpdates
        << "\nProxyAccess=" << static_cast<int>(s.Proxy.ProxyAccess)
        << "\nProxyHost=" << Quoted(s.Proxy.ProxyHost)
        << "\nProxyUserName=" << Quoted(s.Proxy.ProxyUserName)
        << "\nProxyPassword=" << Quoted(s.Proxy.ProxyPassword)
        << "\nProxyAuthRequired=" << s.Proxy.ProxyAuthRequired
        << "\nDownloadFolder=" << Quoted(s.DownloadFolder)
        << "\nAddInfoFormat=" << Quoted(s.AddInfoFormat)
        << "\nCopyPluginInfoFormat=" << Quoted(s.CopyPluginInfoFormat)
        << "\nStatusInfoFormat=" << Quoted(s.StatusInfoFormat)
        << "\nDescriptIonFormat=" << Quoted(s.DescriptIonFormat) << "\n";

    const ViewSettings& v = all.View;
    DescribeFont(out, "FontList", v.FontList);
    DescribeFont(out, "FontPreview", v.FontPreview);
    out << "ColorList=" << v.ColorList << "\nColorOdd=" << v.ColorOdd << "\nColorNew=" << v.ColorNew
        << "\nColorDownloaded=" << v.ColorDownloaded << "\nStripedRow=" << v.StripedRow << "\n";

    const FilterSettings& f = all.Window.Filters;
    out << "FilterUseCategory=" << f.UseCategory << "\nFilterUseAuthor=" << f.UseAuthor
        << "\nFilterUseRelease=" << f.UseRelease << "\nFilterUseName=" << f.UseName
        << "\nFilterHasSources=" << f.HasSources << "\nFilterUseUlvarVersion=" << f.UseUlvarVersion
        << "\nFilterUseWindowsVersion=" << f.UseWindowsVersion << "\nFilterCategory=" << f.Category
        << "\nFilterAuthor=" << f.Author << "\nFilterDate=" << f.Date
        << "\nFilterSrcLang=" << f.SrcLang << "\nFilterUlvarVersion=" << f.UlvarVersion
        << "\nFilterWindowsVersion=" << f.WindowsVersion << "\nFilterName=" << Quoted(f.Name)
        << "\nFilterSetOffOther=" << f.SetOffOther
        << "\nWindowState=" << static_cast<int>(all.Window.State)
        << "\nLeft=" << all.Window.Placement.Left << "\nTop=" << all.Window.Placement.Top
        << "\nWidth=" << all.Window.Placement.Width << "\nHeight=" << all.Window.Placement.Height
        << "\nBasketHeight=" << all.Window.BasketHeight
        << "\nListAreaHeight=" << all.Window.ListAreaHeight << "\n";

    out << "BasketIds=";
    for (const std::int32_t id : all.BasketIds)
        out << id << ";";
    out << "\nLastListSize=" << all.LastListSize
        << "\nDescriptionFile=" << Quoted(all.DescriptionFile)
        << "\nUseOtherCopy=" << all.UseOtherCopy << "\nListLayout=" << Quoted(all.ListLayout)
        << "\nBasketLayout=" << Quoted(all.BasketLayout) << "\n";
    return out.str();
}

void ExpectSameSettings(const BrowserSettings& actual, const BrowserSettings& expected) {
    EXPECT_EQ(Describe(actual), Describe(expected));
    EXPECT_TRUE(actual == expected) << "a field that Describe does not show differs";
}

} // namespace cobwen::test

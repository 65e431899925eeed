// Installs the build into a scratch prefix, as a packager or a user would
// with cmake --install, and checks every installed file with the desktop's
// own tools: the menu entry, the MIME type (its glob and its magic, through
// the toolkit's MIME database), the icons and the converter's manual.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QMimeDatabase>
#include <cstdlib>
#include <string>

#include "support/scratch_directory.h"

namespace fs = std::filesystem;

namespace {

int Shell(const std::string& command)
{
    return std::system(command.c_str());
}

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const fs::path& path)
{
    const std::string bytes = ReadFileBytes(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) {
        return {0, 0};
    }
    const auto word = [&](size_t at) {
        return int(uint8_t(bytes[at])) << 24 | int(uint8_t(bytes[at + 1])) << 16 | int(uint8_t(bytes[at + 2])) << 8 |
               int(uint8_t(bytes[at + 3]));
    };
    return {word(16), word(20)};
}

}  // namespace

TEST(Install, PutsEveryFileInItsFreedesktopPlace)
{
    CScratchDirectory prefix;
    const fs::path root = prefix / "usr";
    ASSERT_EQ(Shell(std::string(STIPPLEBOX_CMAKE) + " --install '" STIPPLEBOX_BUILD_DIR "' --prefix '" + root.string() +
                  "' > /dev/null"),
              0);

    for (const char* program : {"stipplebox", "stipplebox-convert"}) {
        struct stat status {};
        ASSERT_EQ(::stat((root / "bin" / program).c_str(), &status), 0) << program;
        EXPECT_TRUE(status.st_mode & S_IXUSR) << program;
    }
    EXPECT_EQ(Shell("'" + (root / "bin" / "stipplebox-convert").string() + "' --help > /dev/null"), 0);

    const fs::path desktop = root / "share" / "applications" / "stipplebox.desktop";
    EXPECT_EQ(Shell("desktop-file-validate '" + desktop.string() + "'"), 0);
    EXPECT_NE(ReadFileBytes(desktop).find("MimeType=application/x-stipplebox;"), std::string::npos);

    for (const int size : {16, 32, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(PngSize(root / "share" / "icons" / "hicolor" / name / "apps" / "stipplebox.png"),
                  std::make_pair(size, size))
            << name;
    }

    const fs::path manual = root / "share" / "man" / "man1" / "stipplebox-convert.1";
    EXPECT_EQ(Shell("groff -man -Tutf8 -ww -z '" + manual.string() + "' 2>&1 | grep . && exit 1 || exit 0"), 0)
        << "the manual formats without a warning";

    const fs::path types = root / "share" / "mime" / "packages" / "stipplebox.xml";
    ASSERT_EQ(Shell("xmllint --noout '" + types.string() + "'"), 0);
    ASSERT_EQ(Shell("update-mime-database '" + (root / "share" / "mime").string() + "'"), 0);
    // The toolkit finds the type by the installed database alone: by name,
    // and by the identifier at the start of a file with another name.
    setenv("XDG_DATA_DIRS", (root / "share").c_str(), 1);
    setenv("XDG_DATA_HOME", (prefix / "nothing").c_str(), 1);
    WriteFileBytes(prefix / "picture.bin", std::string("S\0t\0i\0p\0p\0l\0e\0b\0o\0x\0" "2\0D\0a\0t\0a\0", 30) +
                                                std::string(20, '\x01'));
    const QMimeDatabase database;
    EXPECT_EQ(database.mimeTypeForFile("walk.sbx", QMimeDatabase::MatchExtension).name().toStdString(),
              "application/x-stipplebox");
    EXPECT_EQ(database.mimeTypeForFile(QString::fromStdString((prefix / "picture.bin").string()),
                                     QMimeDatabase::MatchContent)
                  .name()
                  .toStdString(),
              "application/x-stipplebox");
}

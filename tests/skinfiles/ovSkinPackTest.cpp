#include "skinfiles/ovSkinPack.h"

#include "graphics/BmpWriter.h"
#include "support/ArchiveBytes.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

std::string str(const QString& path) { return path.toStdString(); }

QByteArray qbytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

std::vector<std::uint8_t> stdBytes(const QByteArray& bytes) { return {bytes.begin(), bytes.end()}; }

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(seed);
    for (char& c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// Text that compresses well, a few kilobytes of INI lines.
QByteArray optionsText(int bytes)
{
    QByteArray text = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n";
    for (int i = 0; text.size() < bytes; ++i)
        text += "[SECTION" + QByteArray::number(i) + "]\r\nCOLOR=" + QByteArray::number(i * 7919) + "\r\n";
    text.truncate(bytes);
    return text;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TovSkinConvertor unpacked(const QByteArray& archive, std::string& error)
{
    TovSkinConvertor convertor;
    convertor.Source = stdBytes(archive);
    error = convertor.Unpack();
    return convertor;
}

} // namespace

TEST(ovSkinPack, FirstEntryOfAPackedSkinIsLaidOutByteForByte)
{
    TestFolder dir;
    const QByteArray options = optionsText(12921);
    const QByteArray master = randomBytes(3000, 1);
    const QByteArray back = randomBytes(500, 2);
    dir.write("skin/BACK.JPG", back);
    dir.write("skin/MASTER.BMP", master);
    dir.write("skin/Options.dat", options);

    ASSERT_EQ(PackFolder(str(dir.file("skin")) + "/", str(dir.file("skin.vpk"))), "");

    const QByteArray packed = dir.read("skin.vpk");
    const QByteArray expectedStart = QByteArray("VPak") + int32LE(3) + int32LE(11) + "Options.dat" +
                                     QByteArray::fromHex("79320000") + QByteArray::fromHex("789C");
    EXPECT_EQ(packed.left(expectedStart.size()).toHex(), expectedStart.toHex());
    // The whole file is what zlib alone gives at its default level, entry
    // after entry with no sizes and no trailer: .dat first, then .bmp, then .jpg.
    const QByteArray independent =
        archiveBytes({{"Options.dat", options}, {"MASTER.BMP", master}, {"BACK.JPG", back}});
    EXPECT_EQ(packed, independent);
}

TEST(ovSkinPack, PacksDatBmpPngJpgInThatOrderAndNothingElse)
{
    TestFolder dir;
    for (const char* name : {"b.png", "a.jpg", "Options.dat", "MASTER.BMP", "notes.txt", "photo.jpeg", ".hidden.bmp",
                             "Extra.DAT", "glow.Png", "noextension", "archive.vpk"})
        dir.write(QString("skin/") + name, name);
    dir.makeDir("skin/folder.bmp");

    std::vector<std::string> names;
    ASSERT_EQ(PackedFileNames(str(dir.file("skin")), names), "");
    EXPECT_EQ(names, (std::vector<std::string>{"Extra.DAT", "Options.dat", "MASTER.BMP", "b.png", "glow.Png", "a.jpg"}));

    ASSERT_EQ(PackFolder(str(dir.file("skin")), str(dir.file("skin.vpk"))), "");
    ASSERT_EQ(UnpackToFolder(str(dir.file("skin.vpk")), str(dir.file("out"))), "");
    EXPECT_EQ(filesIn(dir.file("out")),
              (QStringList{"Extra.DAT", "MASTER.BMP", "Options.dat", "a.jpg", "b.png", "glow.Png"}));
}

TEST(ovSkinPack, AnEmptyFilePacksAsSizeZeroWithAMinimalStream)
{
    TestFolder dir;
    dir.write("skin/Options.dat", "");

    ASSERT_EQ(PackFolder(str(dir.file("skin")), str(dir.file("skin.vpk"))), "");
    const QByteArray expected = QByteArray("VPak") + int32LE(1) + int32LE(11) + "Options.dat" + int32LE(0) +
                                QByteArray::fromHex("789c030000000001");
    EXPECT_EQ(dir.read("skin.vpk").toHex(), expected.toHex());

    ASSERT_EQ(UnpackToFolder(str(dir.file("skin.vpk")), str(dir.file("out"))), "");
    ASSERT_TRUE(QFileInfo::exists(dir.file("out/Options.dat")));
    EXPECT_EQ(QFileInfo(dir.file("out/Options.dat")).size(), 0);
}

TEST(ovSkinPack, AFolderWithoutSkinFilesWritesNoArchive)
{
    TestFolder dir;
    dir.write("skin/readme.txt", "text");

    EXPECT_EQ(PackFolder(str(dir.file("skin")), str(dir.file("skin.vpk"))), "");
    EXPECT_FALSE(QFileInfo::exists(dir.file("skin.vpk")));
    EXPECT_NE(PackFolder(str(dir.file("missing")), str(dir.file("skin.vpk"))), "");
}

TEST(ovSkinPack, RoundTripOfARealSkinFolder)
{
    TestFolder dir;
    const QString skin = dir.makeDir("Blue");
    dir.write("Blue/Options.dat", optionsText(20000));
    ASSERT_EQ(SaveBmpFile(str(dir.file("Blue/Master.bmp")), FilledPaletteImage(500, 400, 0xFF00FF)), "");
    QImage background(320, 240, QImage::Format_RGB32);
    background.fill(QColor(30, 90, 200));
    ASSERT_TRUE(background.save(dir.file("Blue/BACK.JPG"), "JPG"));
    QImage glow(40, 30, QImage::Format_ARGB32);
    glow.fill(QColor(255, 255, 255, 128));
    ASSERT_TRUE(glow.save(dir.file("Blue/glow.png"), "PNG"));

    ASSERT_EQ(PackFolder(str(skin), str(dir.file("Blue.vpk"))), "");
    ASSERT_EQ(UnpackToFolder(str(dir.file("Blue.vpk")), str(dir.file("Blue unpacked"))), "");
    const QStringList names = filesIn(skin);
    ASSERT_EQ(filesIn(dir.file("Blue unpacked")), names);
    for (const QString& name : names)
        EXPECT_EQ(dir.read("Blue unpacked/" + name), dir.read("Blue/" + name)) << name.toStdString();

    TovSkinConvertor convertor;
    ASSERT_EQ(LoadPackedFile(str(dir.file("Blue.vpk")), convertor, true), "");
    EXPECT_TRUE(convertor.Source.empty());
    ASSERT_TRUE(convertor.OptionsData.has_value());
    EXPECT_EQ(qbytes(*convertor.OptionsData), dir.read("Blue/Options.dat"));
    EXPECT_EQ(convertor.ItemCount, 3);
    ASSERT_EQ(convertor.ImageItems.size(), 3u);
    const std::vector<std::pair<std::string, bool>> expected{{"Master.bmp", true}, {"glow.png", false}, {"BACK.JPG", false}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TovSkinItem& item = convertor.ImageItems[i];
        EXPECT_EQ(item.Name, expected[i].first);
        EXPECT_EQ(item.IsBitmap, expected[i].second) << item.Name;
        EXPECT_EQ(qbytes(item.Data), dir.read("Blue/" + QString::fromStdString(item.Name))) << item.Name;
    }
}

TEST(ovSkinPack, UnpackingReplacesAFileOfTheSameNameInAnyCase)
{
    TestFolder dir;
    dir.write("out/Options.dat", "old options");
    dir.write("out/master.bmp", "old master");
    dir.write("out/keep.png", "untouched");
    dir.write("a.vpk", archiveBytes({{"Options.dat", "new options"},
                                     {"MASTER.BMP", "new master"},
                                     {"x.png", "first"},
                                     {"X.PNG", "second"}}));

    ASSERT_EQ(UnpackToFolder(str(dir.file("a.vpk")), str(dir.file("out"))), "");

    EXPECT_EQ(filesIn(dir.file("out")), (QStringList{"MASTER.BMP", "Options.dat", "X.PNG", "keep.png"}));
    EXPECT_EQ(dir.read("out/X.PNG"), "second");
    EXPECT_EQ(dir.read("out/Options.dat"), "new options");
    EXPECT_EQ(dir.read("out/MASTER.BMP"), "new master");
    EXPECT_EQ(dir.read("out/keep.png"), "untouched");
}

TEST(ovSkinPack, AFileThatIsNotAnArchiveIsNamedInTheWarningAndNothingIsWritten)
{
    TestFolder dir;
    for (const QByteArray& content : {QByteArray("ABCD"), QByteArray("VPa"), QByteArray()}) {
        const std::string archive = str(dir.write("bad.vpk", content));
        EXPECT_EQ(UnpackToFolder(archive, str(dir.file("out"))), archive + " is not packed Vespira file");
        EXPECT_FALSE(QFileInfo::exists(dir.file("out")));

        std::string error;
        const TovSkinConvertor convertor = unpacked(content, error);
        EXPECT_EQ(error, "Loaded data is not packed Vespira file");
    }
}

TEST(ovSkinPack, ReadsArchivesMadeWithAnyCompressionLevel)
{
    // The level 0 entry is stored, larger than one 64 KiB read block, so the
    // next entry starts in a block the decompressor has already been given.
    const QByteArray big = randomBytes(150000, 3);
    const QList<RawEntry> entries{{"Options.dat", optionsText(5000), Z_BEST_SPEED},
                                  {"big.bmp", big, Z_NO_COMPRESSION},
                                  {"empty.png", "", Z_BEST_COMPRESSION},
                                  {"Tex.JPG", randomBytes(70000, 4), 6},
                                  {"last.bmp", optionsText(300), Z_BEST_COMPRESSION}};
    TestFolder dir;
    dir.write("a.vpk", archiveBytes(entries));

    ASSERT_EQ(UnpackToFolder(str(dir.file("a.vpk")), str(dir.file("out"))), "");
    for (const RawEntry& entry : entries)
        EXPECT_EQ(dir.read("out/" + entry.name), entry.content) << entry.name.toStdString();

    std::string error;
    const TovSkinConvertor convertor = unpacked(archiveBytes(entries), error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(qbytes(*convertor.OptionsData), entries[0].content);
    ASSERT_EQ(convertor.ImageItems.size(), 4u);
    EXPECT_EQ(convertor.ItemCount, 4);
    for (int i = 1; i < entries.size(); ++i)
        EXPECT_EQ(qbytes(convertor.ImageItems[i - 1].Data), entries[i].content) << entries[i].name.toStdString();
}

TEST(ovSkinPack, OptionsEntryIsFoundWhateverItsCaseAndPosition)
{
    std::string error;
    const TovSkinConvertor convertor =
        unpacked(archiveBytes({{"a.Bmp", "A"}, {"OPTIONS.DAT", "[X]"}, {"b.png", "B"}, {"c.bmpx", "C"}}), error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(qbytes(*convertor.OptionsData), "[X]");
    EXPECT_EQ(convertor.ItemCount, 3);
    ASSERT_EQ(convertor.ImageItems.size(), 3u);
    EXPECT_TRUE(convertor.ImageItems[0].IsBitmap);
    EXPECT_FALSE(convertor.ImageItems[1].IsBitmap);
    EXPECT_FALSE(convertor.ImageItems[2].IsBitmap);
}

// Archives that must be refused with a message, by both readers.
struct BadArchive
{
    const char* what;
    QByteArray bytes;
    const char* message; // a part of the message
};

std::vector<BadArchive> badArchives()
{
    const QByteArray options = entryBytes({"Options.dat", "[GLOBALINFO]"});
    const QByteArray head = QByteArray("VPak") + int32LE(2) + options;
    const QByteArray content = randomBytes(1000, 5);
    const QByteArray corrupt = [&] {
        QByteArray bytes = entryBytes({"a.bmp", content, Z_NO_COMPRESSION});
        bytes[bytes.size() - 2] = char(bytes[bytes.size() - 2] ^ 0x55); // inside the Adler-32
        return bytes;
    }();
    return {
        {"count beyond the file", QByteArray("VPak") + int32LE(1000) + options, "cannot hold 1000 entries"},
        {"negative count", QByteArray("VPak") + int32LE(-1), "cannot hold -1 entries"},
        {"count cut off", QByteArray("VPak") + QByteArray(2, '\0'), "count is cut off"},
        {"stream longer than U", head + entryBytes({"a.bmp", content, 6, 999}), "more than 999 bytes"},
        {"stream shorter than U", head + entryBytes({"a.bmp", content, 6, 1001}), "1000 bytes instead of 1001"},
        {"U beyond 256 MiB", head + int32LE(5) + "a.bmp" + int32LE(MaxEntrySize + 1) + zlibStream(content),
         "claims 268435457 bytes"},
        {"negative U", head + int32LE(5) + "a.bmp" + int32LE(-5) + zlibStream(content), "claims -5 bytes"},
        {"negative name length", head + int32LE(-3) + QByteArray(20, 'x'), "name length of -3"},
        {"name length beyond the file", head + int32LE(5000) + QByteArray(20, 'x'), "name length of 5000"},
        {"empty name", head + entryBytes({"", "x"}), "name length of 0"},
        {"corrupt stream", head + corrupt, "corrupt"},
        {"not zlib at all", head + int32LE(5) + "a.bmp" + int32LE(10) + QByteArray(16, 'z'), "corrupt"},
        {"second entry missing", head, "entry 2 is cut off"},
    };
}

TEST(ovSkinPack, DamagedArchivesAreRefusedByBothReaders)
{
    TestFolder dir;
    for (const BadArchive& bad : badArchives()) {
        SCOPED_TRACE(bad.what);
        const std::string archive = str(dir.write("bad.vpk", bad.bytes));
        const std::string error = UnpackToFolder(archive, str(dir.file("out")));
        EXPECT_NE(error.find(archive + " is damaged"), std::string::npos) << error;
        EXPECT_NE(error.find(bad.message), std::string::npos) << error;
        // No file is left half-written under its own or a temporary name.
        for (const QString& name : filesIn(dir.file("out")))
            EXPECT_EQ(name, "Options.dat");

        std::string memoryError;
        const TovSkinConvertor convertor = unpacked(bad.bytes, memoryError);
        EXPECT_NE(memoryError.find("Packed data is damaged"), std::string::npos) << memoryError;
        EXPECT_NE(memoryError.find(bad.message), std::string::npos) << memoryError;
        EXPECT_TRUE(convertor.ImageItems.empty() && !convertor.OptionsData && convertor.Source.empty());
    }
}

TEST(ovSkinPack, EveryTruncationOfAnArchiveIsAnError)
{
    const QByteArray whole = archiveBytes({{"Options.dat", optionsText(3000)}, {"a.bmp", randomBytes(200, 6)}});
    for (int length = 4; length < whole.size(); ++length) {
        std::string error;
        unpacked(whole.left(length), error);
        ASSERT_NE(error, "") << "cut to " << length << " bytes";
    }
    std::string error;
    unpacked(whole, error);
    EXPECT_EQ(error, "");
}

TEST(ovSkinPack, EntryNamesWithFolderPartsAreRefusedAndNothingIsWrittenOutside)
{
    TestFolder dir;
    for (const QByteArray& name : {QByteArray("../evil.bmp"), QByteArray("sub/evil.bmp"), QByteArray("..\\evil.bmp"),
                                   QByteArray(".."), QByteArray("."), QByteArray("/tmp/evil.bmp"),
                                   QByteArray("ev\0il.bmp", 9), QByteArray("two\nlines.bmp")}) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = archiveBytes({{"Options.dat", "[A]"}, {name, "evil"}});
        const std::string archive = str(dir.write("bad.vpk", bytes));
        const std::string error = UnpackToFolder(archive, str(dir.file("out")));
        EXPECT_NE(error.find("not a plain file name"), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(filesIn(dir.file("out")), QStringList{"Options.dat"});
        EXPECT_EQ(filesIn(dir.path()), QStringList{"bad.vpk"});
        EXPECT_FALSE(QFileInfo::exists(dir.file("out/sub")));

        std::string memoryError;
        unpacked(bytes, memoryError);
        EXPECT_NE(memoryError.find("not a plain file name"), std::string::npos) << memoryError;
    }
}

TEST(ovSkinPack, InMemoryArchivesNeedExactlyOneOptionsEntry)
{
    for (const auto& [entries, message] :
         std::vector<std::pair<QList<RawEntry>, std::string>>{
             {{{"a.bmp", "A"}}, "Packed data holds no Options.dat"},
             {{}, "Packed data holds no Options.dat"},
             {{{"Options.dat", "[A]"}, {"a.bmp", "A"}, {"options.DAT", "[B]"}},
              "Packed data holds Options.dat more than once"}}) {
        std::string error;
        const TovSkinConvertor convertor = unpacked(archiveBytes(entries), error);
        EXPECT_EQ(error, message);
        EXPECT_TRUE(convertor.ImageItems.empty() && !convertor.OptionsData && convertor.Source.empty());
    }
}

TEST(ovSkinPack, AFailedPackLeavesTheOldArchiveAndNoTemporaryFile)
{
    TestFolder dir;
    dir.write("skin/Options.dat", "[A]");
    dir.write("skin.vpk", "previous archive");
    // A sparse file just over the entry limit fails after the first entry was written.
    QFile huge(dir.file("skin/huge.bmp"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(MaxEntrySize) + 1));
    huge.close();

    const std::string error = PackFolder(str(dir.file("skin")), str(dir.file("skin.vpk")));
    EXPECT_NE(error.find("huge.bmp is larger than 256 MiB"), std::string::npos) << error;
    EXPECT_EQ(dir.read("skin.vpk"), "previous archive");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"skin.vpk"});

    ASSERT_TRUE(QFile::remove(dir.file("skin/huge.bmp")));
    ASSERT_EQ(PackFolder(str(dir.file("skin")), str(dir.file("skin.vpk"))), "");
    EXPECT_EQ(dir.read("skin.vpk"), archiveBytes({{"Options.dat", "[A]"}}));
    EXPECT_EQ(PackFolder(str(dir.file("skin")), str(dir.file("missing/skin.vpk"))).find("Cannot create"), 0u);
}

TEST(ovSkinPack, FilesWhoseNamesCouldNotBeUnpackedAreNotPacked)
{
    // Such a name is legal here but would be refused on unpacking.
    TestFolder dir;
    dir.write("skin/Options.dat", "[A]");
    dir.write("skin/back\\slash.bmp", "x");
    const std::string error = PackFolder(str(dir.file("skin")), str(dir.file("skin.vpk")));
    EXPECT_NE(error.find("the name holds a \"\\\""), std::string::npos) << error;
    EXPECT_FALSE(QFileInfo::exists(dir.file("skin.vpk")));
}

TEST(ovSkinPack, UnpackCreatesOneFolderLevelOnly)
{
    TestFolder dir;
    dir.write("a.vpk", archiveBytes({{"Options.dat", "[A]"}}));
    EXPECT_EQ(UnpackToFolder(str(dir.file("a.vpk")), str(dir.file("new")) + "/"), "");
    EXPECT_EQ(dir.read("new/Options.dat"), "[A]");
    EXPECT_NE(UnpackToFolder(str(dir.file("a.vpk")), str(dir.file("x/y"))), "");
    EXPECT_FALSE(QFileInfo::exists(dir.file("x")));
    EXPECT_NE(UnpackToFolder(str(dir.file("missing.vpk")), str(dir.file("z"))), "");
}

TEST(ovSkinPack, LoadPackedFileKeepsOrReleasesTheSource)
{
    TestFolder dir;
    const QByteArray bytes = archiveBytes({{"Options.dat", "[A]"}, {"m.bmp", "M"}});
    dir.write("a.vpk", bytes);
    TovSkinConvertor convertor;
    convertor.ImageItems.push_back({"stale.bmp", true, {1, 2, 3}});

    ASSERT_EQ(LoadPackedFile(str(dir.file("a.vpk")), convertor, false), "");
    EXPECT_EQ(qbytes(convertor.Source), bytes);
    ASSERT_EQ(convertor.ImageItems.size(), 1u);
    EXPECT_EQ(convertor.ImageItems[0].Name, "m.bmp");

    EXPECT_NE(LoadPackedFile(str(dir.file("missing.vpk")), convertor, false), "");
    EXPECT_TRUE(convertor.ImageItems.empty() && !convertor.OptionsData && convertor.Source.empty());
    EXPECT_EQ(convertor.ItemCount, 0);
}

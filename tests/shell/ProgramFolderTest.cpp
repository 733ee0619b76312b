#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstring>
#include <elf.h>
#include <gtest/gtest.h>

namespace {

// The names of the sections of a 64-bit ELF file; empty when it is none.
QStringList sectionNames(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray elf = file.readAll();
    Elf64_Ehdr header{};
    if (elf.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(&header, elf.constData(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr) ||
        header.e_shstrndx >= header.e_shnum ||
        header.e_shoff + quint64(header.e_shnum) * sizeof(Elf64_Shdr) > quint64(elf.size()))
        return {};
    const auto section = [&](int index) {
        Elf64_Shdr entry{};
        std::memcpy(&entry, elf.constData() + header.e_shoff + index * sizeof entry, sizeof entry);
        return entry;
    };
    const Elf64_Shdr names = section(header.e_shstrndx);
    QStringList result;
    for (int i = 0; i < header.e_shnum; ++i) {
        const quint64 name = names.sh_offset + section(i).sh_name;
        if (name < quint64(elf.size()))
            result << QString::fromLatin1(elf.constData() + name);
    }
    return result;
}

} // namespace

// The folder the build assembles is what a learner's machine is given: the
// program without its debugging information, which stays in the build tree
// for a debugger, and nothing of the build's own bookkeeping.
TEST(ProgramFolder, HoldsAStrippedProgramAndNoBuildBookkeeping)
{
    const QString folder = QDir(QStringLiteral(OSTRANA_PROGRAM_FOLDER)).absolutePath();
    const QStringList program = sectionNames(QStringLiteral(OSTRANA_EXECUTABLE));
    ASSERT_TRUE(program.contains(QStringLiteral(".text"))) << "not an ELF program";
    EXPECT_FALSE(program.contains(QStringLiteral(".debug_info")));
    EXPECT_TRUE(program.contains(QStringLiteral(".gnu_debuglink")));

    const QFileInfo debugFile(QStringLiteral(OSTRANA_DEBUG_FILE));
    EXPECT_TRUE(sectionNames(debugFile.filePath()).contains(QStringLiteral(".debug_info")));
    EXPECT_FALSE(debugFile.absoluteFilePath().startsWith(folder + u'/'));

    QStringList hidden;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        if (files.fileName().startsWith(u'.'))
            hidden << files.filePath();
    }
    EXPECT_TRUE(hidden.isEmpty()) << hidden.join(u' ').toStdString();
}

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "CompilerFixtures.h"
#include "elements/BitmapImport.h"
#include "elements/ElementClasses.h"
#include "model/ClassRegistry.h"
#include "model/FileBytes.h"
#include "model/ModelClasses.h"
#include "model/ProjectFile.h"
#include "model/TextCodec.h"
#include "plc/PlcTypeFile.h"

namespace tavelo {
namespace {

// The reader's complaint about the file, or "" when it read it.
using Reader = std::function<std::string(const std::filesystem::path&)>;

template <class Read>
std::string Complaint(Read read) {
    try {
        read();
        return "";
    } catch (const std::exception& error) {
        return error.what();
    }
}

// Compiles a text with the data files of the file's directory.
std::string Compile(const std::filesystem::path& file) {
    CTaveloDoc doc;
    test::AddScreen(doc, 1);
    test::PlaceText(doc, u"A文", 1);
    test::CStripeRasteriser rasteriser;
    return CompileDownloadImage(doc, CAppState(), file.parent_path(), rasteriser).m_strReason;
}

std::string OpenProject(const std::filesystem::path& file) {
    CClassRegistry registry;
    RegisterModelClasses(registry);
    RegisterElementClasses(registry);
    CTaveloDoc doc;
    CAppState state;
    return Complaint([&] { CProjectFile::Open(file, registry, doc, state); });
}

TEST(FileReaders, ADirectoryOrADeviceIsRefusedAsSuchNamingThePath) {
    const std::pair<const char*, Reader> readers[] = {
        {"project.ZORX", OpenProject},
        {"PlcTypes.DAT",
         [](const auto& file) { return Complaint([&] { CPlcTypeFile::Load(file); }); }},
        {"picture.bmp",
         [](const auto& file) { return ToUtf8(CBitmapImport::FromFile(file).m_strMessage); }},
        {"image.img", [](const auto& file) { return Complaint([&] { ReadFileBytes(file); }); }},
        {"ASCII.DAT", Compile},
        {"hanzi.DAT", Compile},
        {"GRAPH.DAT", Compile},
    };
    // A device such as /dev/zero would read without end.
    const std::pair<const char*, std::string> kinds[] = {{"it is a directory, not a file", ""},
                                                         {"it is not a regular file", "/dev/zero"}};
    for (const auto& [name, read] : readers)
        for (const auto& [complaint, target] : kinds) {
            const test::CSyntheticDataDir data;
            const std::filesystem::path file = data.Path() / name;
            data.Remove(name);
            if (target.empty())
                std::filesystem::create_directory(file);
            else
                std::filesystem::create_symlink(target, file);
            const std::string said = read(file);
            EXPECT_NE(said.find(file.string() + ": " + complaint), std::string::npos)
                << name << ": " << said;
        }
}

}  // namespace
}  // namespace tavelo

// Installing the program and building its Debian package from the build
// tree these tests belong to.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "tests/test_paths.h"

namespace {

namespace fs = std::filesystem;

fs::path BuildDir() { return fs::path(tavrin::testing::BinDir()).parent_path(); }

struct Output {
  int status;
  std::string text;
};

Output Shell(const std::string& command) {
  Output out{-1, {}};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return out;
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe)) out.text += buffer.data();
  out.status = pclose(pipe);
  return out;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "tavrin-install-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchDir() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::map<std::string, std::string> DesktopEntry(const fs::path& file) {
  std::map<std::string, std::string> entry;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);)
    if (const auto eq = line.find('='); eq != std::string::npos) entry[line.substr(0, eq)] = line.substr(eq + 1);
  return entry;
}

// Width and height from a PNG file's header.
std::pair<int, int> PngSize(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::array<unsigned char, 24> head{};
  in.read(reinterpret_cast<char*>(head.data()), head.size());
  const auto word = [&](int at) { return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3]; };
  return {word(16), word(20)};
}

class Install : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(BuildDir() / "CPackConfig.cmake"))
      GTEST_SKIP() << "the packaging folder is not part of this build";
  }
};

TEST_F(Install, PutsTheProgramsTheirDesktopEntryAndIconsWhereDesktopsFindThem) {
  ScratchDir prefix;
  const Output install = Shell("cmake --install '" + BuildDir().string() + "' --prefix '" + prefix.Path().string() + "'");
  ASSERT_EQ(install.status, 0) << install.text;

  const fs::path root = prefix.Path();
  for (const char* program : {"bin/tavrin", "bin/tavrin-cast"}) {
    ASSERT_TRUE(fs::is_regular_file(root / program)) << program;
    EXPECT_NE(fs::status(root / program).permissions() & fs::perms::owner_exec, fs::perms::none) << program;
  }

  const fs::path desktop = root / "share/applications/tavrin.desktop";
  ASSERT_TRUE(fs::is_regular_file(desktop));
  const Output valid = Shell("desktop-file-validate '" + desktop.string() + "'");
  EXPECT_EQ(valid.status, 0) << valid.text;
  const auto entry = DesktopEntry(desktop);
  // The entry starts the installed program and shows the installed icon.
  EXPECT_TRUE(fs::is_regular_file(root / "bin" / entry.at("Exec")));
  // Started through the entry's command, as a desktop does, the program comes
  // up and stays up (timeout's 124), having stored its first-start date.
  ScratchDir home;
  fs::create_directories(home.Path() / "config");
  fs::create_directories(home.Path() / "runtime");
  fs::permissions(home.Path() / "runtime", fs::perms::owner_all);
  const Output started = Shell("cd '" + home.Path().string() + "' && PATH=\"" + (root / "bin").string() +
                               ":$PATH\" XDG_CONFIG_HOME=config XDG_RUNTIME_DIR=runtime QT_QPA_PLATFORM=offscreen "
                               "timeout 3 sh -c '" + entry.at("Exec") + "'");
  EXPECT_EQ(WEXITSTATUS(started.status), 124) << started.text;
  EXPECT_TRUE(fs::exists(home.Path() / "config" / "Tavrin" / "tavrin.ini"));
  for (const int size : {48, 256}) {
    const std::string dimension = std::to_string(size) + "x" + std::to_string(size);
    const fs::path icon = root / "share/icons/hicolor" / dimension / "apps" / (entry.at("Icon") + ".png");
    ASSERT_TRUE(fs::is_regular_file(icon)) << icon;
    EXPECT_EQ(PngSize(icon), std::make_pair(size, size)) << icon;
  }
}

TEST_F(Install, DebianPackageHoldsTheProgramAndNamesItsRuntimeNeeds) {
  ScratchDir out;
  const Output pack = Shell("cd '" + out.Path().string() + "' && cpack -G DEB --config '" +
                          (BuildDir() / "CPackConfig.cmake").string() + "'");
  ASSERT_EQ(pack.status, 0) << pack.text;
  fs::path deb;
  for (const auto& file : fs::directory_iterator(out.Path()))
    if (file.path().extension() == ".deb") deb = file.path();
  ASSERT_FALSE(deb.empty()) << pack.text;

  const Output contents = Shell("dpkg-deb --contents '" + deb.string() + "'");
  ASSERT_EQ(contents.status, 0) << contents.text;
  for (const char* file : {"./usr/bin/tavrin", "./usr/bin/tavrin-cast", "./usr/share/applications/tavrin.desktop",
                           "./usr/share/icons/hicolor/48x48/apps/tavrin.png"})
    EXPECT_NE(contents.text.find(std::string(file) + "\n"), std::string::npos) << file << "\n" << contents.text;

  const Output depends = Shell("dpkg-deb --field '" + deb.string() + "' Package Depends Recommends");
  ASSERT_EQ(depends.status, 0) << depends.text;
  for (const char* need : {"Package: tavrin", "libqt6widgets6", "libstdc++6", "qt6-qpa-plugins", "xdg-utils",
                           "fonts-dejavu-core", "fonts-wqy-microhei", "liberfa1", "tzdata", "libtimezonemap-data",
                           "libdate-tz3", "Recommends: cups-client"})
    EXPECT_NE(depends.text.find(need), std::string::npos) << need << "\n" << depends.text;
}

}  // namespace

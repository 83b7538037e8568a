// velmora-res: writes the resource files that other builds take in.
//   velmora-res rc DIR           DIR/velmora.rc and DIR/velmora-cli.rc, the .ico they share,
//                                and a .manifest for each
//   velmora-res png SIZE FILE    the icon as a PNG image of SIZE pixels
#include "res/icon_files.h"
#include "res/png_file.h"
#include "res/rc_writer.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

bool Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view verb = argc > 1 ? argv[1] : "";
    if (verb == "rc" && argc == 3) {
        const std::string dir = argv[2];
        const std::string ico = res::IcoFile();
        if (!ico.empty() && Write(dir + "/velmora.ico", ico) &&
            Write(dir + "/velmora.manifest", res::Manifest(res::PanelProgram())) &&
            Write(dir + "/velmora.rc", res::ResourceScript("velmora.ico", "velmora.manifest")) &&
            Write(dir + "/velmora-cli.manifest", res::Manifest(res::CliProgram())) &&
            Write(dir + "/velmora-cli.rc", res::CliResourceScript("velmora.ico", "velmora-cli.manifest")))
            return 0;
    } else if (verb == "png" && argc == 4) {
        const std::string png = res::PngFile(std::atoi(argv[2]));
        if (!png.empty() && Write(argv[3], png)) return 0;
    } else {
        std::fprintf(stderr, "usage: velmora-res rc DIR | velmora-res png SIZE FILE\n");
        return 2;
    }
    std::perror("velmora-res");
    return 1;
}

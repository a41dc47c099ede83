// quintel-assetgen OUTPUT_DIR: writes every picture, sound, tune, the manual and the
// desktop files of Quintel Slots 95 into OUTPUT_DIR. The output is byte-identical on every run.
#include "CabinetPainter.h"
#include "ContactSheet.h"
#include "DigitStrips.h"
#include "IconSvg.h"
#include "LuckySymbols.h"
#include "ManualWriter.h"
#include "OutputDir.h"
#include "QuintelSymbols.h"
#include "SoundEffects.h"
#include "SymbolSheets.h"
#include "TextFiles.h"
#include "TextPath.h"
#include "TreasureSymbols.h"
#include "TuneComposer.h"
#include "WindowArt.h"
#include "WindowPreview.h"

#include <QGuiApplication>

#include <clocale>
#include <exception>
#include <functional>
#include <iostream>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<SymbolSet>> machineArt()
{
    std::vector<std::unique_ptr<SymbolSet>> m;
    m.push_back(std::make_unique<QuintelSymbols>());
    m.push_back(std::make_unique<LuckySymbols>());
    m.push_back(std::make_unique<TreasureSymbols>());
    return m;
}

// Writes a picture drawn at 1x under its own name and at 2x and 3x beside it as PNG files named in Qt's
// way ("cabinet@2x.png", "QUINTEL@3x.png"); the contact sheet shows the 2x picture.
void writeScaled(OutputDir& out, ContactSheet& sheet, const std::string& stem, const std::string& ext,
                 const std::function<QImage(int scale)>& draw)
{
    const QImage one = draw(1);
    if (ext == ".BMP")
        out.writeBmp(stem + ext, one);
    else
        out.writePng(stem + ext, one);
    for (int scale : {2, 3}) {
        const std::string name = stem + "@" + std::to_string(scale) + "x.png";
        const QImage img = draw(scale);
        out.writePng(name, img);
        if (scale == 2) sheet.add(QString::fromStdString(name), img);
    }
}

void writePictures(OutputDir& out, ContactSheet& sheet, const std::vector<std::unique_ptr<SymbolSet>>& machines)
{
    writeScaled(out, sheet, "cabinet", ".png", [](int s) { return CabinetPainter::paint(s); });
    writeScaled(out, sheet, "digits-large-red", ".png", [](int s) { return DigitStrips::largeStrip(s); });
    for (const auto& colour : DigitStrips::smallColours()) {
        writeScaled(out, sheet, "digits-" + colour.name.toStdString(), ".png",
                    [&](int s) { return DigitStrips::smallStrip(colour, s); });
    }
    for (const auto& m : machines)
        writeScaled(out, sheet, m->sheetName(), ".BMP", [&](int s) { return SymbolSheets::symbolSheet(*m, s); });
    for (const auto& m : machines)
        writeScaled(out, sheet, m->legendName(), ".BMP", [&](int s) { return SymbolSheets::legendSheet(*m, s); });
    for (int phase = 0; phase < 3; ++phase)
        writeScaled(out, sheet, "lamp" + std::to_string(phase), ".png",
                    [&](int s) { return WindowArt::lamp(phase, s); });
    for (int i = 0; i < 2; ++i)
        writeScaled(out, sheet, "handle" + std::to_string(i), ".png", [&](int s) { return WindowArt::handle(i, s); });
    writeScaled(out, sheet, "logo", ".png", [](int s) { return WindowArt::logo(s); });
    writeScaled(out, sheet, "icon", ".png", [](int s) { return WindowArt::icon(32 * s); });

    const QImage large = DigitStrips::largeStrip();
    for (size_t i = 0; i < machines.size(); ++i) {
        const SymbolSet& m = *machines[i];
        const auto colours = DigitStrips::smallColours();
        sheet.add(QStringLiteral("preview: ") + m.machineName(),
                  WindowPreview::render(m, CabinetPainter::paint(), SymbolSheets::symbolSheet(m),
                                        SymbolSheets::legendSheet(m),
                                        DigitStrips::smallStrip(colours[i == 0   ? 2
                                                                        : i == 1 ? 6
                                                                                 : 1]),
                                        large, WindowArt::lamp(0), WindowArt::handle(0), WindowArt::logo()));
    }

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage img = WindowArt::icon(size);
        const std::string name = "icons/quintel-slots-" + std::to_string(size) + ".png";
        out.writePng(name, img);
        if (size == 16 || size == 48 || size == 128) sheet.add(QString::fromStdString(name), img);
    }
    out.writeText("icons/quintel-slots.svg", IconSvg::svg());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: quintel-assetgen OUTPUT_DIR\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    // Qt adopts the user's locale; the files must come out the same in every one.
    std::setlocale(LC_ALL, "C");
    try {
        TextPath::requireFonts();
        OutputDir out(argv[1]);
        ContactSheet sheet;
        const auto machines = machineArt();
        writePictures(out, sheet, machines);
        std::vector<const SymbolSet*> plain;
        for (const auto& m : machines) plain.push_back(m.get());
        ManualWriter::write(out, plain);
        out.writeText("CREDITS", TextFiles::credits());
        out.writeText(QUINTEL_APP_ID ".desktop", TextFiles::desktopEntry());
        out.writeText(QUINTEL_APP_ID ".metainfo.xml", TextFiles::metainfo());
        for (const auto& [name, bytes] : SoundEffects::all()) out.writeBytes(name, bytes);
        for (const auto& [name, bytes] : TuneComposer::all()) out.writeBytes(name, bytes);
        out.writePng("contact-sheet.png", sheet.render());
        std::cout << "wrote " << out.written().size() << " files to " << out.root().string() << "\n";
    } catch (const std::exception& e) {
        std::cerr << "quintel-assetgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

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
#include <iostream>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<SymbolSet>> machineArt() {
  std::vector<std::unique_ptr<SymbolSet>> m;
  m.push_back(std::make_unique<QuintelSymbols>());
  m.push_back(std::make_unique<LuckySymbols>());
  m.push_back(std::make_unique<TreasureSymbols>());
  return m;
}

void writePictures(OutputDir& out, ContactSheet& sheet, const std::vector<std::unique_ptr<SymbolSet>>& machines) {
  const QImage cabinet = CabinetPainter::paint();
  out.writePng("cabinet.png", cabinet);
  sheet.add("cabinet.png", cabinet);

  const QImage large = DigitStrips::largeStrip();
  out.writePng("digits-large-red.png", large);
  sheet.add("digits-large-red.png (2x)", large, 2);
  for (const auto& colour : DigitStrips::smallColours()) {
    const QImage strip = DigitStrips::smallStrip(colour);
    const std::string name = "digits-" + colour.name.toStdString() + ".png";
    out.writePng(name, strip);
    sheet.add(QString::fromStdString(name + " (2x)"), strip, 2);
  }

  for (const auto& m : machines) {
    const QImage symbols = SymbolSheets::symbolSheet(*m);
    out.writeBmp(m->sheetName() + ".BMP", symbols);
    sheet.add(QString::fromStdString(m->sheetName() + ".BMP"), symbols);
  }
  for (const auto& m : machines) {
    const QImage legend = SymbolSheets::legendSheet(*m);
    out.writeBmp(m->legendName() + ".BMP", legend);
    sheet.add(QString::fromStdString(m->legendName() + ".BMP (2x)"), legend, 2);
  }
  for (size_t i = 0; i < machines.size(); ++i) {
    const SymbolSet& m = *machines[i];
    const auto colours = DigitStrips::smallColours();
    sheet.add(QStringLiteral("preview: ") + m.machineName(),
              WindowPreview::render(m, cabinet, SymbolSheets::symbolSheet(m), SymbolSheets::legendSheet(m),
                                    DigitStrips::smallStrip(colours[i == 0 ? 2 : i == 1 ? 6 : 1]), large,
                                    WindowArt::lamp(0), WindowArt::handle(0), WindowArt::logo()));
  }

  for (int phase = 0; phase < 3; ++phase) {
    const QImage lamp = WindowArt::lamp(phase);
    const std::string name = "lamp" + std::to_string(phase) + ".png";
    out.writePng(name, lamp);
    sheet.add(QString::fromStdString(name + " (2x)"), lamp, 2);
  }
  for (int i = 0; i < 2; ++i) {
    const QImage handle = WindowArt::handle(i);
    const std::string name = "handle" + std::to_string(i) + ".png";
    out.writePng(name, handle);
    sheet.add(QString::fromStdString(name), handle);
  }
  const QImage logo = WindowArt::logo();
  out.writePng("logo.png", logo);
  sheet.add("logo.png", logo);

  const QImage icon = WindowArt::icon(32);
  out.writePng("icon.png", icon);
  sheet.add("icon.png (2x)", icon, 2);
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage img = WindowArt::icon(size);
    const std::string name = "icons/quintel-slots-" + std::to_string(size) + ".png";
    out.writePng(name, img);
    if (size == 16 || size == 48 || size == 128) sheet.add(QString::fromStdString(name), img);
  }
  out.writeText("icons/quintel-slots.svg", IconSvg::svg());
}

}  // namespace

int main(int argc, char** argv) {
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
    out.writeText("quintel-slots.desktop", TextFiles::desktopEntry());
    out.writeText("quintel-slots.metainfo.xml", TextFiles::metainfo());
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

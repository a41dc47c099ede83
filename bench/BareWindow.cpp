// The yardstick for the game's start-up: a bare Qt window of the game's size with a menu bar, shown
// and left to run until it is closed.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    for (const char* title : {"&File", "&Options", "&Bank", "Auto Play", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    }
    auto* face = new QWidget(&window);
    face->setFixedSize(614, 524);
    window.setCentralWidget(face);
    window.show();
    return app.exec();
}

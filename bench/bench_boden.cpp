// The floor for the start-up figures: a bare widgets program, one window with a label, a line
// edit and a button, shown, its first events handled, then ended the way the trainer's
// measured start ends. Timed as a whole process beside bench_start --einmal.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QWidget fenster;
    fenster.resize(300, 120);
    auto* etikett = new QLabel(QStringLiteral("Name:"), &fenster);
    etikett->setGeometry(10, 10, 280, 20);
    auto* eingabe = new QLineEdit(&fenster);
    eingabe->setGeometry(10, 40, 280, 24);
    auto* knopf = new QPushButton(QStringLiteral("OK"), &fenster);
    knopf->setGeometry(10, 80, 80, 28);
    fenster.show();
    QCoreApplication::processEvents();
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    std::printf("BODEN %ld\n", nutzung.ru_maxrss);
    std::fflush(stdout);
    std::_Exit(0);
}

#include "shell/ui/TQtWarten.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void TQtWarten::warten(int millisekunden) {
    if (millisekunden <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop schleife;
    QTimer::singleShot(millisekunden, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec();
}

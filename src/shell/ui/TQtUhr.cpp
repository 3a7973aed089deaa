#include "shell/ui/TQtUhr.h"

QDateTime TQtUhr::jetzt() {
    return QDateTime::currentDateTime();
}

QLocale TQtUhr::gebietsschema() {
    return QLocale::system();
}

#pragma once

class QDialog;

// Shows a window modally and returns its result. Tests replace it, since a real modal loop
// would block them.
class IModalDialoge {
public:
    virtual ~IModalDialoge() = default;
    virtual int ausfuehren(QDialog& dialog) = 0;
};

#pragma once

#include <QTranslator>

class QCoreApplication;

namespace app {

// Greek texts for the toolkit's own dialogs and buttons: the print preview, the page setup and
// print dialogs, the file dialog, the standard buttons (OK, Cancel, Yes, No, ...) and the edit
// fields' context menus. The system ships no Greek translation of the toolkit, so the program
// carries this small table of its own.
class GreekTranslation : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Installs one GreekTranslation for the lifetime of the application. The program does so once,
// before its first window: every message box and dialog takes its button texts from it.
void installGreekTranslation(QCoreApplication& application);

}  // namespace app

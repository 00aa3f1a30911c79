#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace korvo {

// Shows help pages, reading each page and its pictures out of the compiled help.
class THelpBrowser : public QTextBrowser {
public:
    THelpBrowser(const QHelpEngineCore& engine, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore& FEngine;
};

} // namespace korvo

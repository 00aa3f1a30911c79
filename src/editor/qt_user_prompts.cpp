#include "editor/qt_user_prompts.h"

#include "editor/picture_file_dialog.h"
#include "editor/recovery_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace korvo {

namespace {

    QString RunFileDialog(QFileDialog& dialog, const QString& title, const QString& filter, const QString& folder,
        const QString& name = QString())
    {
        if (!title.isEmpty())
            dialog.setWindowTitle(title);
        dialog.setNameFilters(ToNameFilters(filter));
        if (!folder.isEmpty())
            dialog.setDirectory(folder);
        // A full name opens its folder too.
        if (!name.isEmpty())
            dialog.selectFile(name);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    // Printing's dialogs and errors come from the print preview, the window the user is in.
    QWidget* InFront(QWidget* parent)
    {
        QWidget* modal = QApplication::activeModalWidget();
        return modal ? modal : parent;
    }

    QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& message,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::Ok)
    {
        QMessageBox box(icon, QApplication::applicationName(), DisplayText(message), buttons, parent);
        // Messages quote file, page and picture names, which stay plain text whatever they look like.
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

} // namespace

QStringList ToNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QLatin1Char('(')
            + parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')) + QLatin1Char(')');
        // A description that already ends in its patterns, as Qt reads them, is used as it is.
        filters.append(parts[i].endsWith(patterns) ? parts[i] : parts[i] + QLatin1Char(' ') + patterns);
    }
    return filters;
}

QString DisplayText(const QString& message)
{
    QString text = message;
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

TQtUserPrompts::TQtUserPrompts(QWidget* parent)
    : FParent(parent)
{
}

QString TQtUserPrompts::OpenFileName(const QString& title, const QString& filter, const QString& folder)
{
    QFileDialog dialog(FParent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog, title, filter, folder);
}

QString TQtUserPrompts::SaveFileName(
    const QString& title, const QString& filter, const QString& folder, const QString& name)
{
    QFileDialog dialog(FParent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return RunFileDialog(dialog, title, filter, folder, name);
}

QString TQtUserPrompts::PictureFileName(const QString& filter, const QString& folder)
{
    TPictureFileDialog dialog(FParent);
    return RunFileDialog(dialog, QString(), filter, folder);
}

QColor TQtUserPrompts::ChooseColour(const QColor& initial)
{
    return QColorDialog::getColor(initial, FParent, tr("Fill colour"));
}

TAnswer TQtUserPrompts::AskYesNoCancel(const QString& question)
{
    const auto answer = ShowBox(FParent, QMessageBox::Information, question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return TAnswer::Yes;
    return answer == QMessageBox::No ? TAnswer::No : TAnswer::Cancel;
}

bool TQtUserPrompts::AskYesNo(const QString& question)
{
    return ShowBox(FParent, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool TQtUserPrompts::AskReplace(const QString& fileName)
{
    // Worded as the file dialog words its own question; the name is shown as it is, never as markup.
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
        tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(fileName).fileName()),
        QMessageBox::Yes | QMessageBox::No, FParent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool TQtUserPrompts::AskWarningYesCancel(const QString& question)
{
    return ShowBox(FParent, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Yes;
}

bool TQtUserPrompts::PrintDialog(QPrinter& printer)
{
    QPrintDialog dialog(&printer, InFront(FParent));
    dialog.setMinMax(1, 1);
    printer.setFromTo(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

void TQtUserPrompts::PrinterSetupDialog(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, FParent);
    dialog.exec();
}

void TQtUserPrompts::ShowError(const QString& message) { ShowBox(InFront(FParent), QMessageBox::Critical, message); }

void TQtUserPrompts::ShowInformation(const QString& message) { ShowBox(FParent, QMessageBox::Information, message); }

TRecoveryChoice TQtUserPrompts::ChooseRecovery(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures)
{
    TRecoveryFrm dialog(offers, pictures, FParent);
    dialog.exec();
    return dialog.Choice();
}

} // namespace korvo

#include "widgetdialogservice.h"

#include "apptexts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

QString DialogService::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qtParts;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the label's parentheses.
        if (!label.contains(QLatin1Char('(')))
            label += QStringLiteral(" (") + patterns + QLatin1Char(')');
        qtParts.append(label);
    }
    return qtParts.join(QLatin1String(";;"));
}

namespace {
// Texts of the program break lines with a lone carriage return.
QString displayed(const QString &text)
{
    QString shown = text;
    return shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
} // namespace

DialogService::Answer WidgetDialogService::question(const QString &text, Choice choice, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, AppTexts::confirmCaption(), displayed(text), QMessageBox::NoButton, m_parent);
    QPushButton *yes = box.addButton(AppTexts::yesButton(), QMessageBox::YesRole);
    QPushButton *no = box.addButton(AppTexts::noButton(), QMessageBox::NoRole);
    QPushButton *cancel = nullptr;
    if (choice == Choice::YesNoCancel)
        cancel = box.addButton(AppTexts::cancelButton(), QMessageBox::RejectRole);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? yes : defaultAnswer == Answer::No || !cancel ? no : cancel);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

void WidgetDialogService::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTexts::applicationTitle(), displayed(text), QMessageBox::Ok, m_parent);
    box.exec();
}

void WidgetDialogService::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, AppTexts::applicationTitle(), displayed(text), QMessageBox::Ok, m_parent);
    box.exec();
}

namespace {
QString withDefaultExtension(const QString &path, const QString &extension)
{
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}
} // namespace

QString WidgetDialogService::openFileName(const FileRequest &request)
{
    QFileDialog dialog(m_parent, QString(), request.initialFolder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
}

QString WidgetDialogService::saveFileName(const FileRequest &request)
{
    QFileDialog dialog(m_parent, QString(), request.initialFolder, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return withDefaultExtension(dialog.selectedFiles().constFirst(), request.defaultExtension);
}

bool WidgetDialogService::printerSetup(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

int WidgetDialogService::runModal(QDialog &dialog)
{
    return dialog.exec();
}

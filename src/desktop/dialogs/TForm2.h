#pragma once
// "Dados do Perfil": asks for the chainage, elevation and vertical exaggeration that
// the first vertex of a profile polyline stands for, when the picked polyline carries
// none for this project. The texts are taken as typed; the calculators that use them
// convert them.
#include <QDialog>

#include "engine/session/Interaction.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace desktop {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Texts put into Edit2 and Edit1 when the dialog shows (the first station's
    // ground elevation and chainage); Edit3 keeps its "10".
    void SetInitialTexts(const engine::ProfileDialogTexts& initial);
    // What the edit boxes hold now.
    engine::ProfileDialogTexts Texts() const;

    // Creates the dialog, shows it modally with the initial texts and returns what the
    // user left in it. Closing it by its close box counts as OK.
    static engine::ProfileDialogTexts Ask(QWidget* parent, const engine::ProfileDialogTexts& initial);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLineEdit* Edit1;  // "Progressiva Inicial:"
    QLineEdit* Edit2;  // "Cota Inicial:"
    QLineEdit* Edit3;  // "Deformação Vertical"
    QPushButton* Button1;

public slots:
    void reject() override;  // the close box: same as OK

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormShow();
    void Button1Click();

    engine::ProfileDialogTexts initial_;
    bool hasInitial_ = false;
};

}  // namespace desktop

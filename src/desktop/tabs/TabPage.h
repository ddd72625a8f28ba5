#pragma once
// What every tab of the main window shares: its buttons run their work through the
// main window after the sequence check; its edit boxes, check boxes and labels are
// bound to the session fields of the same component name; its grids are views over
// the session's grids.
#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "desktop/HandlerHost.h"
#include "engine/session/Interaction.h"
#include "engine/session/Session.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace desktop {

class GridView;

class TabPage : public QWidget {
    Q_OBJECT
public:
    TabPage(const char* componentName, engine::Session& session, engine::Interaction& ui, HandlerHost& host,
            QWidget* parent = nullptr);

    // Shows the session again: every bound box and label, every grid.
    virtual void ReadSession();

protected:
    enum class EditKind { Text, Number, ReadOnly };

    QPushButton* MakeButton(const char* name, const char* caption);
    // Runs a button's work after the sequence check of that button; the check's
    // message and any error of the work are shown by the main window.
    void RunButton(const char* button, const std::function<void()>& work = {});

    // An edit box whose text is the session field: typing writes it back at once.
    QLineEdit* BindEdit(const char* name, std::string& field, EditKind kind = EditKind::Text);
    QCheckBox* BindCheck(const char* name, const char* caption, bool& field);
    // A label that shows a session field (written by the engine only).
    QLabel* BindLabel(const char* name, std::string& field);
    // Hidden while idle; keeps its place in the layout so nothing moves when it shows.
    QProgressBar* MakeProgressBar(const char* name);
    GridView* MakeGrid(engine::Grid& grid);

    // A titled box with a label / box / unit grid inside.
    static QGroupBox* MakeGroup(const char* title, QGridLayout*& grid);
    // One line "label [box] unit" of such a grid.
    static void AddField(QGridLayout* grid, int row, const char* label, QWidget* box, const char* unit = nullptr);
    // Such a line whose box is bound to a session field and is `chars` characters wide.
    QLineEdit* AddBoundField(QGridLayout* grid, int row, const char* label, const char* name, std::string& field,
                             EditKind kind, int chars, const char* unit = nullptr);
    // A column of buttons of equal width.
    static QVBoxLayout* ButtonColumn(std::initializer_list<QPushButton*> buttons);
    // Width of n average characters of this tab's font.
    int CharsWide(int n) const;

    engine::Session& session_;
    engine::Interaction& ui_;
    HandlerHost& host_;

private:
    struct EditBinding {
        QLineEdit* edit;
        std::string* field;
    };
    struct CheckBinding {
        QCheckBox* box;
        bool* field;
    };
    struct LabelBinding {
        QLabel* label;
        std::string* field;
    };
    std::vector<EditBinding> edits_;
    std::vector<CheckBinding> checks_;
    std::vector<LabelBinding> labels_;
    std::vector<GridView*> grids_;
};

}  // namespace desktop

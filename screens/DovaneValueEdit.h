// CDovaneValueEdit: the Values screen, where the user keeps the list of allowed values of each
// Alphanumeric parameter. Its place in the frame: menu 148, title suffix " - [Values]", help topic
// "::/values_screen.htm", save command 2265; "<<" leads to the Parameters screen, ">>" to the
// Items screen. Values take no colours: the colour commands are off here.
#pragma once

#include "screens/DovaneEdit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

class CDovaneValueEdit : public CDovaneEdit {
    Q_OBJECT

public:
    explicit CDovaneValueEdit(QWidget* parent = nullptr);

    bool SupportsColours() const override { return false; }
    bool CanLeave(bool prompt) override;
    void Reload() override;
    void ClearScreen() override;
    bool OnCommand(int command) override;

    void OnAdd();
    void OnDelete();
    void Save();

    // ---- Controls, for tests ------------------------------------------------------------------
    QComboBox* ParamCombo() const { return params_; }
    QListWidget* ValueList() const { return values_; }
    QLineEdit* ValueText() const { return text_; }
    QCheckBox* AlphabeticCheck() const { return alphabetic_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* DeleteButton() const { return delete_; }

private:
    void BuildControls();
    int SelectedParamIndex() const;   // record index in the parameters store, -1 for none
    int32_t SelectedParamId() const;
    void LoadValues();
    void SelectValue(int row);
    void EnableValueControls(bool enable);
    bool ValueNamesUnique();
    std::string CandidateName() const;

    void OnParamChosen(int index);
    void OnValueSelected(int row);
    void OnValueEdited(const QString& text);
    void OnAlphabeticClicked(bool checked);

    QComboBox* params_;
    QListWidget* values_;
    QLineEdit* text_;
    QCheckBox* alphabetic_;
    QPushButton* add_;
    QPushButton* delete_;
    int shownParam_ = -1;         // combo index whose values the list shows
    bool paramsChanged_ = false;  // the alphabetic-order flag was changed
    bool loading_ = false;
};

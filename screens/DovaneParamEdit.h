// CDovaneParamEdit: the Parameters screen, where the user defines the dataset's parameters (name,
// type, precision, order). Its place in the frame: menu 146, title suffix " - [Parameters]",
// help topic "::/parameters_screen.htm", save command 2263; ">>" leads to the Values screen and
// the "<< Back" button stays hidden. Every edit goes into the parameters store's in-memory list
// at once; Save and CanLeave write that list to the dataset.
#pragma once

#include "screens/DovaneEdit.h"
#include "widgets/DragDropListCtrl.h"

class QComboBox;
class QLineEdit;
class QSpinBox;
class CDovaneParamEdit;

// The parameter list: one untitled column, one parameter name a row, the row's data (UserRole)
// the record index in the store's parameter list. Rows are drawn in the parameter's colours; the
// current row gets a frame that blinks while the colour tool is open.
class CDovaneParamList : public CDragDropListCtrl {
    Q_OBJECT

public:
    explicit CDovaneParamList(CDovaneParamEdit* owner);

    int CurrentRow() const { return currentRow_; }
    void SetCurrentRow(int row);
    int RecordOfRow(int row) const;
    bool IsBlinking() const { return blink_; }
    void SetBlink(bool blink);
    // The frame colour of the current row for the next redraw; alternates while blinking.
    bool NextBlinkPhase() { return (blinkPhase_ ^= 1) != 0; }
    void RedrawCurrentRow();

private:
    CDovaneParamEdit* owner_;
    int currentRow_ = -1;
    bool blink_ = false;
    int blinkPhase_ = 0;
};

class CDovaneParamEdit : public CDovaneEdit {
    Q_OBJECT

public:
    explicit CDovaneParamEdit(QWidget* parent = nullptr);

    // ---- The editing protocol ---------------------------------------------------------------
    bool CanLeave(bool prompt) override;
    void Reload() override;
    void ClearScreen() override;
    bool OnCommand(int command) override;

    // ---- Colours ----------------------------------------------------------------------------
    void StartRowBlink() override;
    void StopRowBlink() override;
    void SetRowColour(COLORREF colour, bool text) override;

    // ---- Actions of the controls (the buttons run these) ------------------------------------
    void OnAdd();
    void OnDelete();
    void OnUp();
    void OnDown();
    void Save();

    // ---- Controls, for tests ------------------------------------------------------------------
    CDovaneParamList* List() const { return list_; }
    QLineEdit* NameEdit() const { return name_; }
    QComboBox* TypeCombo() const { return type_; }
    QSpinBox* PrecisionSpin() const { return precision_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* UpButton() const { return up_; }
    QPushButton* DownButton() const { return down_; }

protected:
    void OnBlinkTick() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FillTypeCombo();
    void FillList(bool clearType);
    void MakeRowCurrent(int row);
    void LoadCurrentParam();
    void EnableFieldsForType(int type, bool rows);
    void StoreCurrentFields();
    void StoreAllRows();
    bool NamesUsable();
    void FocusName();
    bool SaveToDataset();
    std::string CandidateName() const;

    void OnRowClicked(int row);
    void OnNameEdited(const QString& text);
    void OnNameFocusLost();
    void OnTypeChosen(int index);
    void OnPrecisionChanged(int value);
    void OnRowMoved(int from, int to);
    void OnPickColour(bool text);

    CDovaneParamList* list_;
    QLineEdit* name_;
    QComboBox* type_;
    QSpinBox* precision_;
    QPushButton* add_;
    QPushButton* delete_;
    QPushButton* up_;
    QPushButton* down_;
    int currentType_ = 0;    // type code of the current parameter, to undo a refused change
    int currentRecord_ = -1; // record index of the current parameter in the store's list
    bool loading_ = false;   // controls being filled from the store, not edited by the user
};

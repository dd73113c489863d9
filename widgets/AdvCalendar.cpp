#include "widgets/AdvCalendar.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CAdvCalendar::CAdvCalendar(QWidget* parent, const QDate& start, const QString& caption)
    : QDialog(parent), calendar_(new QCalendarWidget(this))
{
    setWindowTitle(caption);
    calendar_->setGridVisible(true);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    calendar_->setFirstDayOfWeek(QLocale::system().firstDayOfWeek());
    SetSelectedDate(start.isValid() ? start : QDate::currentDate());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* today = buttons->addButton(tr("Today"), QDialogButtonBox::ResetRole);
    connect(today, &QPushButton::clicked, this,
            [this] { SetSelectedDate(QDate::currentDate()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double click (or Enter) on a day chooses it at once.
    connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addWidget(buttons);
    calendar_->setFocus();
}

QDate CAdvCalendar::SelectedDate() const { return calendar_->selectedDate(); }

void CAdvCalendar::SetSelectedDate(const QDate& date)
{
    calendar_->setSelectedDate(date);
    calendar_->setCurrentPage(date.year(), date.month());
}

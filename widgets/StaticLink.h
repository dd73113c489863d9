// CStaticLink: a text that opens a web or mail address when clicked. It is drawn underlined on a
// transparent background, blue until it has been opened once and purple afterwards. The target
// is the text set with SetTarget or, when none is set, the label's own text.
#pragma once

#include <QLabel>

class CStaticLink : public QLabel {
    Q_OBJECT

public:
    explicit CStaticLink(const QString& text = {}, QWidget* parent = nullptr);

    void SetTarget(const QString& target) { target_ = target; }
    // The address a click opens before the mail rule of ShellTarget is applied.
    QString Target() const { return target_.isEmpty() ? text() : target_; }
    bool Visited() const { return visited_; }

    // What is handed to the desktop for `target`: an address with an at sign after its first
    // character gets "mailto:" in front unless it already holds "mailto:".
    static QString ShellTarget(const QString& target);

    // Opens the target as a click does. On failure the program beeps and nothing changes; on
    // success the link becomes visited and is drawn purple.
    bool Open();

    static QColor UnvisitedColour() { return QColor(0, 0, 255); }
    static QColor VisitedColour() { return QColor(128, 0, 128); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyColour();

    QString target_;
    bool visited_ = false;
    bool pressed_ = false;
};

#pragma once
// The voice file group of the messages page: the current message's list entry (shown only
// while the mission has a list), the buttons that create, assign, clear and save, the play
// button and "Autoplay". The window connects the buttons to the voice commands.

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vorlan {

class Session;

class VoiceGroup : public QWidget {
    Q_OBJECT

public:
    explicit VoiceGroup(QWidget* parent = nullptr);

    // Shows the current message's entry, and the entry field only while there is a list.
    void Show(const Session& session);
    bool AutoPlay() const;

signals:
    void CreateRequested();
    void AssignRequested();
    void ClearRequested();
    void SaveRequested();
    void PlayRequested();
    void AutoPlayToggled(bool checked);

private:
    QLineEdit* wavFileEd_;
    QCheckBox* autoPlay_;
};

}  // namespace vorlan

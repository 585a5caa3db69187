#pragma once
// The four tabs of the personality editor.
//   RXTX       transmit permission and the time-out timer: without
//              permission no timer setting applies, without a time-out no
//              pre-alert, re-key or reset; the pre-alert never offers more
//              seconds than the time-out has
//   Squelch    the receive squelch mode
//   PTT-ID     primary id (four hexadecimal digits, limited to what the
//              radio accepts), type, pre-time, bit sync, side tone, short beep
//   Signaling  optional signalling on receive and transmit, each with the
//              system of its type, and the decode condition
#include "views/RecordPage.h"
#include "controls/LanguageSource.h"

class CPersonalityRXTXPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CPersonalityRXTXPage(EditorContext& context, QWidget* parent = nullptr);

protected:
    void buildPage() override;
    void setupPage() override;
    void loadControls(Record& record) override;
    void beforeCommit(int controlId) override;

private:
    void matchTimeout();
    LanguageSource::Items preAlertItems_;  // the full list, as the language gave it
};

class CPersonalitySquelchPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CPersonalitySquelchPage(EditorContext& context, QWidget* parent = nullptr);

protected:
    void buildPage() override;
};

class CPersonalityPttIDPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CPersonalityPttIDPage(EditorContext& context, QWidget* parent = nullptr);

protected:
    void buildPage() override;
    void setupPage() override;
    void loadControls(Record& record) override;
    void saveControls(Record& record) override;
    void beforeCommit(int controlId) override;
};

class CPersonalitySignalPage : public CRecordPage {
    Q_OBJECT
public:
    explicit CPersonalitySignalPage(EditorContext& context, QWidget* parent = nullptr);
    void notify(const ChangeNotice& notice) override;

protected:
    void buildPage() override;
    void loadControls(Record& record) override;
    void saveControls(Record& record) override;
    void beforeCommit(int controlId) override;

private:
    void fillSystems(int typeBox, int systemBox, int slot, Offset byte);
    void clearIfValid(int typeBox, int systemBox);
};

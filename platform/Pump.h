#pragma once

// Long loops call this at every unit of work so that the window stays responsive; the
// windows pass the event loop, the command line and the tests a quiet one.
class Pump {
public:
    virtual ~Pump() = default;
    // Processes pending window messages.
    virtual void verarbeiten() {}
    // Waits the given time while processing window messages.
    virtual void pause(int millisekunden) { (void)millisekunden; }

    // A pump that does nothing.
    static Pump& still();
};

// Processes the Qt event queue.
class EventPump : public Pump {
public:
    void verarbeiten() override;
    void pause(int millisekunden) override;
};

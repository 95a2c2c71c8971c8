#pragma once
// The IC manager window as the settings see it.

class ICManagerPort {
public:
    virtual ~ICManagerPort() = default;
    // The IC directory changed: the manager's file list reads the new one and,
    // while the window shows, its IC list and details are drawn again.
    virtual void ICDirectoryChanged() = 0;
};

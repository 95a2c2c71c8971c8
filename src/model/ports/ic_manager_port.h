#pragma once
// The IC manager window as the settings dialog sees it.
class ICManagerPort {
public:
    virtual ~ICManagerPort() = default;
    // The IC directory changed: the manager's file list re-reads it and, when
    // the manager is visible, its IC list and the chosen IC's details are shown anew.
    virtual void ICDirectoryChanged() = 0;
};

#pragma once

#include <QString>

#include <vector>

// Every queue the scheduler has, as the printer dialogs list them: one row
// per queue (the user's instances are option sets, not printers), with what
// people need to pick one and what the program keeps of the choice.
class CCupsQueueList
{
public:
    // IPP printer-state values.
    enum State { unknown = 0, idle = 3, processing = 4, stopped = 5 };

    struct Queue
    {
        QString name;          // the queue name, the program's device
        QString makeAndModel;  // the driver
        QString ppdQueue;      // whose PPD describes its jobs (a class's member)
        QString deviceUri;     // the port
        QString location;
        QString info;
        int state = unknown;
        bool acceptingJobs = true;
        QString stateMessage;
        bool isDefault = false;
        bool isEngraver = false;
    };

    // Reads the queues now; none when there are none or no scheduler answers.
    CCupsQueueList();

    const std::vector<Queue>& Queues() const { return m_queues; }

private:
    std::vector<Queue> m_queues;
};

#pragma once

// What the process holds at one moment, once its deferred deletes are done
// and its picture and recording caches emptied.
struct Census
{
    double residentMB = 0; // VmRSS
    double peakMB = 0;     // VmHWM
    int widgets = 0;       // live QWidgets
    int windows = 0;       // top-level widgets
    int players = 0;       // sound players under the top-level widgets
    int databaseFiles = 0; // open descriptors of the course's .kdt files
};

Census takeCensus();

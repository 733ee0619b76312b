#pragma once

// Makes the services that must never act for real in a test fail instead:
// a message box that no MessageBoxScript answers fails the test and takes
// its default button; ending the program without a ProgramEndCatcher fails
// the test and throws ProgramEnded. The test main installs this; the doubles
// stand in front of it and fall back to it when they go.
void installUnscriptedServices();

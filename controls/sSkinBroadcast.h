#pragma once

class QWidget;
class SkinCommandEvent;

// Hands a skin command to the children of container: a child that is a
// skinned control (it answers SkinCmdIsSkinned with 1) receives it and passes
// it on itself; any other child is walked, so skinned controls nested in
// plain containers are reached.
void BroadcastSkinCommand(QWidget* container, SkinCommandEvent& event);

// Sends a skin command to every top-level window of the application (last
// first) and to all their children, skipping windows that are skinned
// controls themselves.
void BroadcastToApplicationForms(SkinCommandEvent& event);

// Makes the skin managers reach the application's windows and its user
// (their notices become warnings of the Dialogs service): called once at
// start by every program that shows skinned windows.
void InstallSkinBroadcast();

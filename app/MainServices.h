#pragma once
// The objects of the program that the main dialog works with.
#include "app/HelpPage.h"
#include "app/RowFiles.h"
#include "engine/FolderScanner.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessagePump.h"
#include "platform/RecycleBin.h"
#include "platform/TextCompare.h"
#include "platform/UserFolders.h"
#include "store/SyncStore.h"

namespace evenkeeper {

struct MainServices {
    FolderScanner& top;
    FolderScanner& bottom;
    SyncStore& store;
    FileSystem& files;
    RecycleBin& bin;  // where deletions and replaced versions go, on drives that have one
    const TextCompare& compare;
    MessagePump& pump;
    const Clock& clock;
    UserFolders& userFolders;
    FileDialog& fileDialog;
    HelpPage& helpPage;
    // The texts and paths of the listed files; the result list asks it for a row's texts.
    const RowFiles& rowFiles;
};

}  // namespace evenkeeper

#pragma once

#include "edit/stage_check.h"
#include "edit/stage_editing.h"
#include "edit/stage_pictures.h"
#include "edit/stage_view.h"

#include <string>
#include <vector>

// What the left button puts into the stage.
enum class Brush { Block, Enemy, Start };

// Everything the editor's screen shows and its panels change.
struct EditorState {
    StageEditing editing;
    StageView view;
    StagePictures pictures;
    std::string path; // the source file
    Brush brush = Brush::Block;
    char letter = '=';
    StageEnemy enemy; // the enemy the brush places; its parameters in the side panel
    int selectedEnemy = -1;
    bool hasSelection = false;
    CellRect selection;
    CellBlock clipboard;
    bool typingName = false;
    bool checking = false;
    bool verdictKnown = false;
    StageVerdict verdict;
    std::string message;             // the last thing done, or what went wrong
    std::vector<SourceFault> faults; // of the source as opened
};

#pragma once

#include "linelist.h"
#include "modelstore.h"

#include <QString>

// The program's state, owned by the main window and alive for the whole run.
struct EditorState {
    QString GameDir;   // the game's folder, ending in "/"
    QString ModelDir;  // GameDir + "Model/"

    ModelStore Model;  // CurrentModel, PristineModel and the four element records
    LineList TreeStatus;
    LineList NodeIndexList;
    LineList NodeStatusList;

    int CurrentElementCode = 0;
    bool IsDirty = false;
    bool AnyValueChanged = false;

    // What start-up managed to load. Nothing is ever written from a list that
    // was not loaded.
    bool PristineLoaded = false;
    bool ModelLoaded = false;
    bool TreeStatusLoaded = false;
    bool TreeBuilt = false;
    // German text of the start-up error, empty after a complete start-up.
    QString StartupProblem;

    QString ModelFilePath() const { return ModelDir + QStringLiteral("EmperorBuildingModels.txt"); }
    QString TreeStatusPath() const { return ModelDir + QStringLiteral("TreeImage.Index"); }
    QString ResetTreeStatusPath() const { return ModelDir + QStringLiteral("ResetTreeImage.Index"); }
};

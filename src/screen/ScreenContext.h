#pragma once

namespace zorbiks {

struct Services;
struct PupilRecord;
class ResultsLog;
class Navigator;

// What every screen of a run is given: the services, the pupil's record,
// the results log and the navigator. All of them belong to the stage.
struct ScreenContext {
    Services &services;
    PupilRecord &pupil;
    ResultsLog &log;
    Navigator &navigator;
};

} // namespace zorbiks

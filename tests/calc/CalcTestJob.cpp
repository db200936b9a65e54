#include "CalcTestJob.h"

#include "job/ClearJob.h"

Job MakeBox(double length, double width, double height, int boxTemp) {
    Job job;
    ClearJob(job, BuiltInDefaults());
    job.image.header.length = length;
    job.image.header.width = width;
    job.image.header.height = height;
    job.image.header.boxTemp = boxTemp;
    return job;
}

void SetSurface(TSurface& s, double factor, char kind, double inches, int adjacentTemp) {
    s.factor = factor;
    s.factorKind = kind;
    s.thickness = inches;
    s.adjacentTemp = adjacentTemp;
}

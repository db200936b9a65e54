#pragma once
// Small unit and coil tables that the equipment tests build for themselves.

#include "TempFolder.h"
#include "job/Job.h"
#include "tables/Table.h"

#include <memory>
#include <string>
#include <vector>

struct UnitRecord {
    std::string model;
    int evap;
    int capacity; // the same in every ambient column unless `at90` is set
    double nominalHp = 1.0;
    std::string brand = "Acme";
    int hflag = 0;
    int at90 = 0; // capacity of the 90 F column when not 0
};

struct CoilRecord {
    std::string model;
    int evap;
    int btuh;
    std::string style = "Low Profile";
    int fins = 6;
    int aeg = 0;
    std::string brand = "Chill";
};

std::unique_ptr<Table> MakeUnitTable(const TempFolder& dir, const std::vector<UnitRecord>& units);
std::unique_ptr<Table> MakeCoilTable(const TempFolder& dir, const std::vector<CoilRecord>& coils);

// A cleared cooler job at 35 F, 90 F ambient, 18 run hours, with the given design load.
Job JobWithLoad(int totalLoad);

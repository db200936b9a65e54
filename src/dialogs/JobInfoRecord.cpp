#include "dialogs/JobInfoRecord.h"

#include "job/FixedText.h"

JobInfoRecord TakeJobInfoRecord(const TJobHeader& header, bool newJob) {
    JobInfoRecord record;
    if (!newJob) {
        record.jobName = GetText(header.jobName);
        record.customer = GetText(header.customer);
        record.contact = GetText(header.contact);
        record.quotation = GetText(header.quotation);
        record.address = GetText(header.address);
        record.telephone = GetText(header.telephone);
        record.fax = GetText(header.fax);
    }
    record.boxTemp = header.boxTemp;
    record.length = header.length;
    record.width = header.width;
    record.height = header.height;
    record.runHours = header.runHours;
    record.safetyFactor = header.safetyFactor;
    record.boxRelHum = header.boxRelHum;
    return record;
}

void StoreJobInfoRecord(TJobHeader& header, const JobInfoRecord& record) {
    SetText(header.jobName, record.jobName);
    SetText(header.customer, record.customer);
    SetText(header.contact, record.contact);
    SetText(header.quotation, record.quotation);
    SetText(header.address, record.address);
    SetText(header.telephone, record.telephone);
    SetText(header.fax, record.fax);
    header.length = record.length;
    header.width = record.width;
    header.height = record.height;
    header.runHours = record.runHours;
    header.safetyFactor = record.safetyFactor;
    header.boxRelHum = record.boxRelHum;
    header.boxTemp = record.boxTemp;
}

void AfterJobInformation(Job& job, int32_t ambientBefore, int32_t boxTempBefore) {
    TJobHeader& header = job.image.header;
    header.volume = header.length * header.width * header.height;
    if (header.designAmbient != ambientBefore || header.boxTemp != boxTempBefore)
        job.image.unit.unitSelected = 0;
}

double LowestDimension(bool newJob) {
    return newJob ? 0.0 : 1.0;
}

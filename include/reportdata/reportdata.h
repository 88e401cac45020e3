// Everything a host compiles against: the framework types, the exported
// facades and records, and the outside-service interfaces.
#ifndef REPORTDATA_REPORTDATA_H_
#define REPORTDATA_REPORTDATA_H_

#include "reportdata/cloud_data.h"
#include "reportdata/cloud_templates.h"
#include "reportdata/errors.h"
#include "reportdata/facades.h"
#include "reportdata/framework.h"
#include "reportdata/message_box.h"
#include "reportdata/records.h"
#include "reportdata/report_template.h"
#include "reportdata/report_types.h"
#include "reportdata/services.h"
#include "reportdata/version.h"

#endif  // REPORTDATA_REPORTDATA_H_

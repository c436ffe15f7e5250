// A working drawing in the reinforcement context.
#pragma once

#include "jobsettings/reinf_job_settings.h"
#include "tests/jobsettings/job_settings_fixture.h"

using ReinfSettingsTest = JobSettingsFixture<KOVTReinfJobSettings, KOVT_CONTEXT_REINFORCEMENT>;

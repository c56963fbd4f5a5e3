#pragma once
int Window();
